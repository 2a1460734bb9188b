#pragma once
// A GL framebuffer and the list of colour attachments made since the list was last emptied,
// which feeds glDrawBuffers.
#include <GL/glew.h>

#include <vector>

namespace Graphics
{
class Texture;
class Renderbuffer;

class Framebuffer
{
public:
  Framebuffer();
  ~Framebuffer();
  Framebuffer(const Framebuffer&) = delete;
  Framebuffer& operator=(const Framebuffer&) = delete;

  void Bind() const;
  static void BindDefault();
  void AttachTexture(const Texture* texture, GLenum attachment);
  // Attaches a depth or stencil buffer; it does not enter the colour list.
  void AttachRenderbuffer(const Renderbuffer* renderbuffer, GLenum attachment);
  void SetDrawBuffers() const;
  // Binds this framebuffer with the texture as its one colour attachment, the list emptied first.
  void DrawInto(const Texture* texture);
  GLuint GetId() const { return id; }

  // Emptied by DrawInto and by Graphics::ClearDepth.
  std::vector<GLenum> attachments;

private:
  GLuint id = 0;
};
}  // namespace Graphics
