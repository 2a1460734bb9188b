#pragma once
// The record of one textured quad (a sprite, an arm segment, a dialogue box), as uploaded.
#include "core/fColor.h"

namespace Graphics
{
struct InstanceData
{
  float uvRect[4] = {0, 0, 0, 0};  // the picture's corners in atlas pixels: left x, lower y, right x, upper y
  float model[16] = {};            // the rows of the instance's transform (Graphics::ToMat4)
  fColor color;
  float sortY = 0;  // world y plus the sprite's order offset; sorted layers draw greater values first
};
static_assert(sizeof(InstanceData) == 100, "InstanceData is uploaded as 25 packed floats");
}  // namespace Graphics
