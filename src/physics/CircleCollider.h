#pragma once
// A circle around the collider position. With dynamic tests on and a Rigidbody on the object,
// it is swept against rectangles over each sub-step, so that fast circles do not pass through
// thin walls.
#include "physics/Collider.h"

class CircleCollider : public Collider
{
public:
  static constexpr std::uint32_t TypeId = COMP_CircleCollider;

  CircleCollider();
  // Every field travels with a copy.
  CircleCollider& operator=(const CircleCollider&) = default;

  void GetMembers(std::vector<MemberBase*>& members) override;
  void DebugDraw(float rotation, glm::vec2 position, PhysicsDebugDraw& drawer) override;
  float GetBoundingRadius() override { return radius; }
  bool ContainsPoint(float x, float y) override;

  bool dynamicTests = false;
  float radius = 50.0f;
};
