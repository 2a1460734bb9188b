#pragma once
// What every steering behaviour returns and UpdateSteering carries: a linear acceleration and an
// angular acceleration. All zero when a behaviour cannot act.
#include <glm/vec2.hpp>

struct SteeringOutput
{
  glm::vec2 linear{0.0f, 0.0f};
  float angular = 0.0f;
};
