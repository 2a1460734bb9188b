#pragma once
// A 2D GL texture of 8-bit RGBA texels, nearest filtering and clamped edges.
#include <GL/glew.h>

#include <cstdint>
#include <utility>

namespace Graphics
{
class Texture
{
public:
  // Uploads `pixels` (rows top first, four bytes each) or zeros when null.
  Texture(std::uint32_t width, std::uint32_t height, const void* pixels, GLint internalFormat);
  // A zero-filled RGBA texture the size of the current window.
  Texture();
  ~Texture();
  Texture(const Texture&) = delete;
  Texture& operator=(const Texture&) = delete;

  void Create(const void* pixels, GLint internalFormat);
  // Puts another RGBA picture into this texture, keeping its GL name: whoever holds it draws the
  // new picture.
  void Replace(std::uint32_t newWidth, std::uint32_t newHeight, const void* pixels);
  void Bind() const;
  static void Activate(GLenum unit);
  GLuint GetId() const { return id; }
  std::pair<int, int> GetSize() const { return {static_cast<int>(width), static_cast<int>(height)}; }
  std::uint32_t GetWidth() const { return width; }
  std::uint32_t GetHeight() const { return height; }

private:
  GLuint id = 0;
  std::uint32_t width = 0;
  std::uint32_t height = 0;
};
}  // namespace Graphics
