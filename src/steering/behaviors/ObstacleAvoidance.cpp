#include "steering/behaviors/ObstacleAvoidance.h"

#include "object/Space.h"
#include "physics/CollisionGroup.h"
#include "physics/PhysicsModule.h"
#include "steering/SteeringMath.h"

#include <cmath>
#include <glm/geometric.hpp>

ObstacleAvoidance::ObstacleAvoidance(Space* characterSpace, Handle<Kinematic> steered)
    : WithOwnTarget(characterSpace, std::move(steered), BRINDLE_SITE)
{
}

SteeringOutput ObstacleAvoidance::GetSteering()
{
  const Kinematic* self = character.Get();
  Kinematic* goal = target.Get();
  PhysicsModule* physics = PhysicsModule::Of(space);
  if (self == nullptr || goal == nullptr || physics == nullptr)
    return {};
  const glm::vec2 velocity = self->velocity;
  const glm::vec2 direction = Normalized(velocity);
  // A ray needs a direction: a body at rest (or with no valid velocity) looks nowhere.
  if (direction == glm::vec2(0.0f, 0.0f))
    return {};

  const float heading = std::atan2(velocity.y, velocity.x);
  const glm::vec2 offset = whiskerOffset * glm::vec2(std::cos(heading + 1.5707964f), std::sin(heading + 1.5707964f));
  const float length = lookAhead + glm::length(velocity);
  const auto group = static_cast<std::uint32_t>(CollisionGroup::PATHING);
  RayCastResult first;
  RayCastResult second;
  const bool firstHit = physics->RayCast(self->position + offset, direction, length, group, debugDraw, first, true);
  const bool secondHit = physics->RayCast(self->position - offset, direction, length, group, debugDraw, second, true);
  if (!firstHit && !secondHit)
    return {};

  const glm::vec2 across = second.point - first.point;
  const bool turnRight = velocity.y * across.x - velocity.x * across.y >= 0.0f;
  const glm::vec2 side = turnRight ? glm::vec2(across.y, -across.x) : glm::vec2(-across.y, across.x);
  goal->position = (first.point + second.point) * 0.5f + avoidDistance * Normalized(side);

  const fColor marker(1.0f, 0.4f, 0.0f, 1.0f);
  DrawCircle(first.point, 5.0f, marker);
  DrawCircle(second.point, 5.0f, marker);
  DrawCircle(goal->position, 16.0f, marker);
  const glm::vec2 toGoal = goal->position - self->position;
  DrawLine(self->position, Normalized(toGoal), glm::length(toGoal), marker);
  return SeekFrom(*self, goal->position);
}
