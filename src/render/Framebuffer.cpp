#include "render/Framebuffer.h"

#include "render/Renderbuffer.h"
#include "render/Texture.h"

namespace Graphics
{
Framebuffer::Framebuffer()
{
  glGenFramebuffers(1, &id);
}

Framebuffer::~Framebuffer()
{
  glDeleteFramebuffers(1, &id);
}

void Framebuffer::Bind() const
{
  glBindFramebuffer(GL_FRAMEBUFFER, id);
}

void Framebuffer::BindDefault()
{
  glBindFramebuffer(GL_FRAMEBUFFER, 0);
}

void Framebuffer::AttachTexture(const Texture* texture, GLenum attachment)
{
  attachments.push_back(attachment);
  glFramebufferTexture2D(GL_FRAMEBUFFER, attachment, GL_TEXTURE_2D, texture != nullptr ? texture->GetId() : 0, 0);
}

void Framebuffer::AttachRenderbuffer(const Renderbuffer* renderbuffer, GLenum attachment)
{
  glFramebufferRenderbuffer(GL_FRAMEBUFFER, attachment, GL_RENDERBUFFER, renderbuffer->GetId());
}

void Framebuffer::SetDrawBuffers() const
{
  glDrawBuffers(static_cast<GLsizei>(attachments.size()), attachments.data());
}

void Framebuffer::DrawInto(const Texture* texture)
{
  Bind();
  attachments.clear();
  AttachTexture(texture, GL_COLOR_ATTACHMENT0);
  SetDrawBuffers();
}
}  // namespace Graphics
