#pragma once
// A depth buffer the size of the current window.
#include <GL/glew.h>

#include <cstdint>

namespace Graphics
{
class Renderbuffer
{
public:
  Renderbuffer();
  ~Renderbuffer();
  Renderbuffer(const Renderbuffer&) = delete;
  Renderbuffer& operator=(const Renderbuffer&) = delete;

  GLuint GetId() const { return id; }
  std::uint32_t GetWidth() const { return width; }
  std::uint32_t GetHeight() const { return height; }

private:
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  GLuint id = 0;
};
}  // namespace Graphics
