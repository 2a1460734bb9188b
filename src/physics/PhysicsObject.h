#pragma once
// The physics module's record of one game object: handles to the object and plain pointers to
// its Transform, Rigidbody and collider (which live as long as the object), its place in the
// broad-phase grid and what the contact solver reads of it.
#include "core/Handle.h"
#include "physics/ContactManifold.h"
#include "physics/GridRecord.h"

#include <cstdint>
#include <glm/vec2.hpp>

class Collider;
class GameObject;
class Rigidbody;
class Transform;

struct PhysicsObject
{
  PhysicsObject() : PhysicsObject(Handle<GameObject>(), 0) {}
  PhysicsObject(const Handle<GameObject>& owner, std::uint32_t id);

  // The collider's component type id; 0 without a collider.
  std::uint32_t ColliderType() const;
  std::uint32_t CollisionGroup() const;
  // The collider's position (world position plus offset); the Transform's without a collider.
  glm::vec2 GetPosition() const;
  float GetRotation() const;
  // A circle with dynamic tests and a body grows by the distance it covers in dt.
  float GetBoundingRadius(float dt) const;
  // Half-extents of an axis-aligned box around the shape at `position`, no larger than its
  // bounding `radius` (for the same dt), padded so that no pair the shape tests would find
  // touching falls outside it.
  glm::vec2 GetBoundingExtent(glm::vec2 position, float radius) const;
  bool HasActiveBody() const;

  void IntegrateForces(float dt, float maxSpeed);
  void IntegrateVelocity(float dt);
  void SetRigidbody(Rigidbody* body);

  Handle<GameObject> object;
  std::uint32_t objectId;
  Rigidbody* rigidbody = nullptr;
  Transform* transform = nullptr;
  Collider* collider = nullptr;
  GridRecord gridRecord;
  bool isStatic = false;
  // A collider that ends at its first contact has touched something: the entry no longer moves
  // or touches (its owner removes it).
  bool spent = false;
  SolverBody solverBody;
  static constexpr std::size_t NotMoving = static_cast<std::size_t>(-1);
  std::size_t slot = 0;  // index in the module's list of entries
  std::size_t movingSlot = NotMoving;  // index in the module's list of moving entries

private:
  // A rectangle's box at the angle and size it was last worked out for: most never turn.
  mutable float boxAngle = 0.0f;
  mutable glm::vec2 boxSize{0.0f, 0.0f};
  mutable glm::vec2 boxHalfExtent{0.0f, 0.0f};
};
