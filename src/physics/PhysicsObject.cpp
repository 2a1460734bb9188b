#include "physics/PhysicsObject.h"

#include "object/ComponentList.h"
#include "object/GameObject.h"
#include "object/Transform.h"
#include "physics/CircleCollider.h"
#include "physics/Collider.h"
#include "physics/RectangleCollider.h"
#include "physics/Rigidbody.h"
#include "physics/ShapeTests.h"

#include <cmath>

PhysicsObject::PhysicsObject(const Handle<GameObject>& owner, std::uint32_t id) : object(owner), objectId(id)
{
  gridRecord.owner = this;
}

std::uint32_t PhysicsObject::ColliderType() const
{
  return collider != nullptr ? collider->GetTypeId() : 0;
}

std::uint32_t PhysicsObject::CollisionGroup() const
{
  return collider != nullptr ? static_cast<std::uint32_t>(collider->group) : 0;
}

glm::vec2 PhysicsObject::GetPosition() const
{
  if (collider != nullptr)
    return collider->GetPosition();
  return transform != nullptr ? transform->GetWorldPosition() : glm::vec2{0.0f, 0.0f};
}

float PhysicsObject::GetRotation() const
{
  return transform != nullptr ? transform->GetRotation() : 0.0f;
}

float PhysicsObject::GetBoundingRadius(float dt) const
{
  if (collider == nullptr)
    return 0.0f;
  float radius = collider->GetBoundingRadius();
  if (rigidbody != nullptr && collider->GetTypeId() == COMP_CircleCollider &&
      static_cast<const CircleCollider*>(collider)->dynamicTests)
  {
    const glm::vec2 velocity = rigidbody->velocity;
    radius += std::sqrt(velocity.x * velocity.x + velocity.y * velocity.y) * dt;
  }
  return radius;
}

glm::vec2 PhysicsObject::GetBoundingExtent(glm::vec2 position, float radius) const
{
  // Twice what the shape tests allow, and room for rounding far from the origin.
  const float slack = 2.0f * ContactAllowance + 1e-5f * (radius + std::fabs(position.x) + std::fabs(position.y));
  glm::vec2 half{radius, radius};
  if (collider != nullptr && collider->GetTypeId() == RectangleCollider::TypeId)
  {
    const float angle = GetRotation();
    const glm::vec2 size = static_cast<const RectangleCollider*>(collider)->scale;
    if (angle != boxAngle || size != boxSize)
    {
      const float cosine = std::fabs(std::cos(angle));
      const float sine = std::fabs(std::sin(angle));
      boxHalfExtent = 0.5f * glm::vec2(cosine * std::fabs(size.x) + sine * std::fabs(size.y),
                                       sine * std::fabs(size.x) + cosine * std::fabs(size.y));
      boxAngle = angle;
      boxSize = size;
    }
    half = glm::min(half, boxHalfExtent);
  }
  return half + slack;
}

bool PhysicsObject::HasActiveBody() const
{
  return rigidbody != nullptr && rigidbody->active;
}

void PhysicsObject::IntegrateForces(float dt, float maxSpeed)
{
  if (transform != nullptr && HasActiveBody() && !spent)
    rigidbody->IntegrateForces(dt, maxSpeed);
}

void PhysicsObject::IntegrateVelocity(float dt)
{
  if (transform == nullptr || !HasActiveBody() || spent)
    return;
  const glm::vec2 offset = rigidbody->velocity * dt;
  // A resting body is not moved, so it does not announce a move every sub-step.
  if (offset.x != 0.0f || offset.y != 0.0f)
    transform->TranslateWorld(offset);
  const float turn = rigidbody->angularVelocity * dt;
  if (turn != 0.0f)
    transform->Rotate(turn);
}

void PhysicsObject::SetRigidbody(Rigidbody* body)
{
  rigidbody = body;
  solverBody.rigidbody = body;
}
