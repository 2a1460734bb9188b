#include "steering/BlendedSteering.h"

#include "steering/SteeringMath.h"

#include <glm/geometric.hpp>

BlendedSteering::BlendedSteering(Space* characterSpace, Handle<Kinematic> steered)
    : SteeringBehavior(characterSpace, std::move(steered))
{
}

SteeringOutput BlendedSteering::GetSteering()
{
  SteeringOutput sum;
  for (const Entry& entry : behaviors)
  {
    const SteeringOutput output = entry.behavior->GetSteering();
    sum.linear += entry.weight * output.linear;
    sum.angular += entry.weight * output.angular;
  }
  if (glm::dot(sum.linear, sum.linear) > MaxLinear * MaxLinear)
    sum.linear = Normalized(sum.linear) * MaxLinear;
  if (sum.angular > MaxAngular)
    sum.angular = MaxAngular;
  else if (sum.angular < -MaxAngular)
    sum.angular = -MaxAngular;
  return sum;
}

void BlendedSteering::SetDebugDraw(bool draw)
{
  SteeringBehavior::SetDebugDraw(draw);
  for (const Entry& entry : behaviors)
    entry.behavior->SetDebugDraw(draw);
}

void BlendedSteering::SetCharacter(Handle<Kinematic> steered)
{
  for (const Entry& entry : behaviors)
    entry.behavior->SetCharacter(steered);
}
