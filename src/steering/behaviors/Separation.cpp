#include "steering/behaviors/Separation.h"

#include "steering/Motivator.h"
#include "steering/SteeringMath.h"

#include <cmath>
#include <glm/geometric.hpp>

Separation::Separation(Space* characterSpace, Handle<Kinematic> steered)
    : SteeringBehavior(characterSpace, std::move(steered))
{
}

SteeringOutput Separation::GetSteering()
{
  Kinematic* self = character.Get();
  if (self == nullptr || targets.empty())
    return {};
  DrawCircle(self->position, threshold, fColor(0.8f, 0.2f, 0.8f, 1.0f));
  SteeringOutput output;
  for (const Handle<Kinematic>& neighbour : targets)
  {
    const Kinematic* other = neighbour.Get();
    if (other == nullptr)
      continue;
    const glm::vec2 away = self->position - other->position;
    const float distanceSquared = glm::dot(away, away);
    if (!(distanceSquared < threshold * threshold))
      continue;
    const float maxAcceleration =
        self->motivator != nullptr ? self->motivator->GetValue(Motivator::MaxLinearAcceleration) : 0.0f;
    output.linear += maxAcceleration * (threshold - std::sqrt(distanceSquared)) / threshold * Normalized(away);
  }
  return output;
}
