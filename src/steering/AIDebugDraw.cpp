#include "steering/AIDebugDraw.h"

#include "object/Space.h"
#include "physics/PhysicsDebugDraw.h"
#include "physics/PhysicsModule.h"
#include "steering/Kinematic.h"
#include "steering/SteeringMath.h"

#include <cmath>
#include <glm/geometric.hpp>

namespace
{
PhysicsDebugDraw* DrawerOf(Space* space)
{
  const PhysicsModule* physics = PhysicsModule::Of(space);
  return physics != nullptr ? physics->GetDebugDraw() : nullptr;
}
}  // namespace

void DrawDebugLine(Space* space, glm::vec2 start, glm::vec2 direction, float length, const fColor& colour)
{
  if (PhysicsDebugDraw* drawer = DrawerOf(space))
    drawer->DrawLine(start, direction, length, colour);
}

void DrawDebugCircle(Space* space, glm::vec2 centre, float radius, const fColor& colour)
{
  // The drawers take a diameter.
  if (PhysicsDebugDraw* drawer = DrawerOf(space))
    drawer->DrawCircle(centre, 2.0f * radius, colour);
}

void DrawKinematic(Space* space, const Kinematic& state, const fColor& velocityColour, const fColor& facingColour)
{
  DrawDebugLine(space, state.position, Normalized(state.velocity), glm::length(state.velocity), velocityColour);
  DrawDebugLine(space, state.position, {std::cos(state.orientation), std::sin(state.orientation)}, 100.0f,
                facingColour);
}
