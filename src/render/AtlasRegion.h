#pragma once
// Where one picture lies in the texture atlas, in atlas pixels with y running down from the
// image's top row, exactly as the atlas meta text gives it. Animated pictures hold their frames
// side by side from left to right, each frameSize wide.
#include <cstdint>

struct AtlasRegion
{
  float rect[4] = {0, 0, 0, 0};        // (x, y + h) then (x + w, y): the whole picture
  float firstFrame[4] = {0, 0, 0, 0};  // (x, y + h) then (x + w / n, y)
  float frameSize[2] = {0, 0};         // (w / n, h)
  std::uint32_t frameCount = 0;        // n; a lookup that misses leaves every field 0
};
