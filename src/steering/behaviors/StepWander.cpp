#include "steering/behaviors/StepWander.h"

#include "steering/RandomFloat.h"

#include <algorithm>
#include <cmath>

StepWander::StepWander(Space* characterSpace, Handle<Kinematic> steered)
    : WithOwnTarget(characterSpace, std::move(steered), BRINDLE_SITE)
{
}

SteeringOutput StepWander::GetSteering()
{
  const Kinematic* self = character.Get();
  Kinematic* goal = target.Get();
  if (self == nullptr || goal == nullptr)
    return {};
  if (std::isfinite(frameTime) && frameTime > 0.0f)
    timeLeft -= frameTime;
  // The first update steps even when its owner has reported no time yet.
  if (timeLeft < 0.0f || !stepped)
  {
    stepped = true;
    const float waitFirst = RandomFloat(0.0f, 1.0f);
    const float waitSecond = RandomFloat(0.0f, 1.0f);
    timeLeft = std::max(0.0f, waitTime + waitSpread * (waitFirst - waitSecond));
    const float angle = 2.0f * 3.14159265358979f * RandomFloat(0.0f, 1.0f);
    const float stepFirst = RandomFloat(0.0f, 1.0f);
    const float stepSecond = RandomFloat(0.0f, 1.0f);
    const float step = std::max(0.0f, stepLength + stepSpread * (stepFirst - stepSecond));
    goal->position = self->position + step * glm::vec2(std::cos(angle), std::sin(angle));
  }
  DrawCircle(self->position, stepLength, fColor(0.3f, 0.6f, 1.0f, 1.0f));
  DrawCircle(goal->position, 10.0f, fColor(0.3f, 0.6f, 1.0f, 1.0f));
  return SeekFrom(*self, goal->position);
}
