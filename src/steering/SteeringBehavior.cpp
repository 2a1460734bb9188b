#include "steering/SteeringBehavior.h"

#include "steering/AIDebugDraw.h"

SteeringBehavior::SteeringBehavior(Space* characterSpace, Handle<Kinematic> steered)
    : character(std::move(steered)), space(characterSpace)
{
}

void SteeringBehavior::DrawCircle(glm::vec2 centre, float radius, const fColor& colour) const
{
  if (debugDraw)
    DrawDebugCircle(space, centre, radius, colour);
}

void SteeringBehavior::DrawLine(glm::vec2 start, glm::vec2 direction, float length, const fColor& colour) const
{
  if (debugDraw)
    DrawDebugLine(space, start, direction, length, colour);
}
