#include "render/Renderbuffer.h"

#include "render/Window.h"

namespace Graphics
{
Renderbuffer::Renderbuffer()
{
  if (const Window* window = Window::Current())
  {
    width = window->GetWidth();
    height = window->GetHeight();
  }
  glGenRenderbuffers(1, &id);
  glBindRenderbuffer(GL_RENDERBUFFER, id);
  glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT, static_cast<GLsizei>(width), static_cast<GLsizei>(height));
  glBindRenderbuffer(GL_RENDERBUFFER, 0);
}

Renderbuffer::~Renderbuffer()
{
  glDeleteRenderbuffers(1, &id);
}
}  // namespace Graphics
