#include "HeadlessGl.h"

#include "render/Texture.h"

#include <GL/glew.h>

#include <memory>
#include <vector>

namespace
{
struct SharedContext
{
  std::unique_ptr<Window> window;
  std::string failure;
  bool tried = false;
};

SharedContext& Shared()
{
  static SharedContext shared;
  return shared;
}
}  // namespace

Window* HeadlessGl::Get()
{
  SharedContext& shared = Shared();
  if (!shared.tried)
  {
    shared.tried = true;
    auto window = std::make_unique<Window>();
    if (window->OpenHidden(Width, Height, shared.failure))
      shared.window = std::move(window);
  }
  if (shared.window == nullptr)
    return nullptr;
  // A test may have opened a window of its own, whose context then became current.
  if (Window::Current() != shared.window.get())
    shared.window->MakeCurrent();
  return shared.window.get();
}

const std::string& HeadlessGl::FailureReason()
{
  return Shared().failure;
}

std::vector<unsigned char> HeadlessGl::Pixels(const Graphics::Texture* texture)
{
  std::vector<unsigned char> pixels(static_cast<std::size_t>(texture->GetWidth()) * texture->GetHeight() * 4);
  // Mesa's llvmpipe may still hold a clear of the texture that a read of it does not wait for.
  glFinish();
  glBindTexture(GL_TEXTURE_2D, texture->GetId());
  glPixelStorei(GL_PACK_ALIGNMENT, 4);
  glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
  glBindTexture(GL_TEXTURE_2D, 0);
  return pixels;
}

std::array<unsigned char, 4> HeadlessGl::PixelAt(const Graphics::Texture* texture, unsigned x, unsigned y)
{
  const std::uint32_t width = texture->GetWidth();
  const std::uint32_t height = texture->GetHeight();
  const std::vector<unsigned char> pixels = Pixels(texture);
  std::array<unsigned char, 4> texel{};
  if (x >= width || y >= height)
    return texel;
  const std::size_t at = (static_cast<std::size_t>(y) * width + x) * 4;
  for (int channel = 0; channel < 4; ++channel)
    texel[channel] = pixels[at + channel];
  return texel;
}
