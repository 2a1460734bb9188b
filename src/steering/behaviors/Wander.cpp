#include "steering/behaviors/Wander.h"

#include "steering/RandomFloat.h"

#include <cmath>

Wander::Wander(Space* characterSpace, Handle<Kinematic> steered)
    : WithOwnTarget(characterSpace, std::move(steered), BRINDLE_SITE)
{
}

SteeringOutput Wander::GetSteering()
{
  const Kinematic* self = character.Get();
  Kinematic* goal = target.Get();
  if (self == nullptr || goal == nullptr)
    return {};
  const float first = RandomFloat(0.0f, 1.0f);
  const float second = RandomFloat(0.0f, 1.0f);
  wanderOrientation += wanderRate * (first - second);
  goal->orientation = wanderOrientation;
  goal->position = self->position + wanderRadius * glm::vec2(std::cos(wanderOrientation), std::sin(wanderOrientation));
  DrawCircle(self->position, wanderRadius, fColor(0.3f, 0.6f, 1.0f, 1.0f));
  DrawCircle(goal->position, 5.0f, fColor(0.3f, 0.6f, 1.0f, 1.0f));
  return SeekFrom(*self, goal->position);
}

void Wander::SetCharacter(Handle<Kinematic> steered)
{
  Seek::SetCharacter(std::move(steered));
  if (const Kinematic* self = character.Get())
    wanderOrientation = self->orientation;
}
