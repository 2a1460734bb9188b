#pragma once
// A 2D GL texture of 8-bit RGBA texels, nearest filtering and clamped edges.
#include <GL/glew.h>

#include <cstdint>
#include <memory>
#include <utility>

namespace Graphics
{
class Framebuffer;

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
  // Makes this texture where the next draws and clears land, over its whole size. Every step
  // drawing into one texture (but the instanced pass, whose framebuffer holds its depth buffer)
  // goes through the one framebuffer made for it at the first call, with the texture attached for
  // good: a software driver then sees one target from the texture's clear to its last draw and
  // does their work in one batch, instead of one per switch.
  void BindAsTarget();
  GLuint GetId() const { return id; }
  // Changes whenever Replace puts another picture in.
  std::uint32_t GetVersion() const { return version; }
  std::pair<int, int> GetSize() const { return {static_cast<int>(width), static_cast<int>(height)}; }
  std::uint32_t GetWidth() const { return width; }
  std::uint32_t GetHeight() const { return height; }

private:
  GLuint id = 0;
  std::unique_ptr<Framebuffer> framebuffer;
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  std::uint32_t version = 0;
};
}  // namespace Graphics
