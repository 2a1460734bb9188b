#include "steering/behaviors/VectorMove.h"

#include "steering/Motivator.h"

#include <glm/geometric.hpp>

VectorMove::VectorMove(Space* characterSpace, Handle<Kinematic> steered)
    : SteeringBehavior(characterSpace, std::move(steered))
{
}

SteeringOutput VectorMove::GetSteering()
{
  Kinematic* self = character.Get();
  const Kinematic* direction = target.Get();
  if (self == nullptr || direction == nullptr || self->motivator == nullptr)
    return {};
  glm::vec2 wanted = direction->position;
  const float length = glm::length(wanted);
  if (length > 1.0f)
    wanted /= length;
  SteeringOutput output;
  output.linear.x = wanted.x * self->motivator->GetValue(Motivator::MaxLinearAcceleration);
  output.linear.y = wanted.y * self->motivator->GetValue(Motivator::MaxLinearAcceleration);
  return output;
}
