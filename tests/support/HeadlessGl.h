#pragma once
// One small hidden window with an OpenGL 4.1 core context, shared by every GL test of a test
// program: opened on first use, kept until the program ends. Tests without a display skip.
#include "render/Window.h"

#include <array>
#include <string>
#include <vector>

namespace Graphics
{
class Texture;
}

class HeadlessGl
{
public:
  static constexpr unsigned Width = 320;
  static constexpr unsigned Height = 180;

  // The window with its context made current, or null when none could be made.
  static Window* Get();
  static const std::string& FailureReason();

  // The RGBA bytes of every texel, rows from the bottom, as GL draws them.
  static std::vector<unsigned char> Pixels(const Graphics::Texture* texture);
  // The RGBA bytes of one texel; rows count from the bottom.
  static std::array<unsigned char, 4> PixelAt(const Graphics::Texture* texture, unsigned x, unsigned y);
};

// Skips the current test when no GL context can be had (no display, no driver).
#define SKIP_WITHOUT_GL()                                        \
  do {                                                           \
    if (HeadlessGl::Get() == nullptr)                            \
      GTEST_SKIP() << "No OpenGL: " << HeadlessGl::FailureReason(); \
  } while (0)
