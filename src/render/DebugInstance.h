#pragma once
// The record of one debug outline, as uploaded.
#include "core/fColor.h"

#include <cstdint>

namespace Graphics
{
enum DebugShape : std::int32_t
{
  DebugLine = 0,
  DebugCircle = 1,
  DebugBox = 2,
};

struct DebugInstance
{
  float model[16] = {};  // the rows of the shape's transform (Graphics::ToMat4)
  fColor color;
  std::int32_t kind = DebugLine;
};
static_assert(sizeof(DebugInstance) == 84, "DebugInstance is uploaded as 21 packed words");
}  // namespace Graphics
