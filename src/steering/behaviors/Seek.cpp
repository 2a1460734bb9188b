#include "steering/behaviors/Seek.h"

#include "steering/Motivator.h"
#include "steering/SteeringMath.h"

Seek::Seek(Space* characterSpace, Handle<Kinematic> steered) : SteeringBehavior(characterSpace, std::move(steered)) {}

SteeringOutput Seek::GetSteering()
{
  const Kinematic* self = character.Get();
  const Kinematic* goal = target.Get();
  if (self == nullptr || goal == nullptr)
    return {};
  return SeekFrom(*self, goal->position);
}

SteeringOutput Seek::SeekFrom(const Kinematic& from, glm::vec2 goal)
{
  const float maxAcceleration = from.motivator != nullptr ? from.motivator->GetBase(Motivator::MaxLinearAcceleration) : 0.0f;
  SteeringOutput output;
  output.linear = Normalized(goal - from.position) * maxAcceleration;
  return output;
}
