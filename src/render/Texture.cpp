#include "render/Texture.h"

#include "render/Framebuffer.h"
#include "render/Window.h"

#include <vector>

namespace Graphics
{
Texture::Texture(std::uint32_t textureWidth, std::uint32_t textureHeight, const void* pixels, GLint internalFormat)
    : width(textureWidth), height(textureHeight)
{
  Create(pixels, internalFormat);
}

Texture::Texture()
{
  if (const Window* window = Window::Current())
  {
    width = window->GetWidth();
    height = window->GetHeight();
  }
  Create(nullptr, GL_RGBA);
}

Texture::~Texture()
{
  framebuffer.reset();
  if (id != 0)
    glDeleteTextures(1, &id);
}

void Texture::Create(const void* pixels, GLint internalFormat)
{
  std::vector<unsigned char> zeros;
  if (pixels == nullptr)
  {
    zeros.assign(static_cast<std::size_t>(width) * height * 4, 0);
    pixels = zeros.data();
  }
  glGenTextures(1, &id);
  glBindTexture(GL_TEXTURE_2D, id);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  // Rows of four bytes need no alignment padding, whatever the width.
  glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
  glTexImage2D(GL_TEXTURE_2D, 0, internalFormat, static_cast<GLsizei>(width), static_cast<GLsizei>(height), 0, GL_RGBA,
               GL_UNSIGNED_BYTE, pixels);
}

void Texture::Replace(std::uint32_t newWidth, std::uint32_t newHeight, const void* pixels)
{
  width = newWidth;
  height = newHeight;
  ++version;
  glBindTexture(GL_TEXTURE_2D, id);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, static_cast<GLsizei>(width), static_cast<GLsizei>(height), 0, GL_RGBA,
               GL_UNSIGNED_BYTE, pixels);
}

void Texture::Bind() const
{
  glBindTexture(GL_TEXTURE_2D, id);
}

void Texture::Activate(GLenum unit)
{
  glActiveTexture(unit);
}

void Texture::BindAsTarget()
{
  if (framebuffer == nullptr)
  {
    framebuffer = std::make_unique<Framebuffer>();
    framebuffer->DrawInto(this);
  }
  else
    framebuffer->Bind();
  glViewport(0, 0, static_cast<GLsizei>(width), static_cast<GLsizei>(height));
}
}  // namespace Graphics
