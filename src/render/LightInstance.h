#pragma once
// One point light as the light pass draws it: 116 bytes, no gaps, read by the mask shader as
// per-instance attributes (four matrix rows, colour, c1-c4, three spare floats with the
// direction, and the type as an integer attribute).
#include "core/fColor.h"

#include <cstdint>

namespace Graphics
{
struct LightInstance
{
  float model[16] = {};  // model-view rows; the translation is in elements 3 and 7
  fColor color;
  float c[4] = {};         // c1 to c4, whatever the mask shader makes of them
  float spare[3] = {};     // kept at 0 by PointLight
  float direction = 0.0f;  // shares the spare floats' attribute as its w
  std::uint32_t type = 0;
};

static_assert(sizeof(LightInstance) == 116, "the light record is read by the shader at fixed offsets");
}  // namespace Graphics
