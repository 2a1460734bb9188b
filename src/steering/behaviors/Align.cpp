#include "steering/behaviors/Align.h"

#include "steering/Motivator.h"
#include "steering/SteeringMath.h"

#include <cmath>
#include <glm/geometric.hpp>

Align::Align(Space* characterSpace, Handle<Kinematic> steered) : SteeringBehavior(characterSpace, std::move(steered)) {}

SteeringOutput Align::GetSteering()
{
  Kinematic* self = character.Get();
  const Kinematic* goal = target.Get();
  if (self == nullptr || goal == nullptr)
    return {};
  const float turn = WrapAngle(goal->orientation - self->orientation);
  const float size = std::fabs(turn);
  if ((useArrivalThreshold && size < arrivalThreshold) || size < 1.1920929e-7f)
  {
    self->orientation = goal->orientation;
    self->rotation = 0.0f;
    return {};
  }
  if (!std::isfinite(turn))
    return {};
  const float maxRotation = self->motivator != nullptr ? self->motivator->GetValue(Motivator::MaxAngularVelocity) : 0.0f;
  const float targetRotation = size > slowRadius ? maxRotation : maxRotation * size / slowRadius;
  SteeringOutput output;
  output.angular = (turn / size * targetRotation - self->rotation) / timeToTarget;
  const float maxAngular =
      self->motivator != nullptr ? self->motivator->GetValue(Motivator::MaxAngularAcceleration) : 0.0f;
  if (std::fabs(output.angular) > maxAngular)
    output.angular = output.angular > 0.0f ? maxAngular : -maxAngular;
  if (std::isnan(output.angular))
    output.angular = 0.0f;
  return output;
}

SteeringOutput Align::AlignToDirection(glm::vec2 direction)
{
  Kinematic* goal = target.Get();
  if (!character.IsValid() || goal == nullptr)
    return {};
  if (!(glm::dot(direction, direction) >= DirectionEpsilonSquared))
    return {};
  goal->orientation = std::atan2(direction.y, direction.x);
  return Align::GetSteering();
}
