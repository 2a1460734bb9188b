#pragma once
// A rectangle of full size "scale" centred on the collider position, turned with the object.
// "mapFlag" marks map geometry: the physics module files it as static, never moved or pushed.
#include "physics/Collider.h"

class RectangleCollider : public Collider
{
public:
  static constexpr std::uint32_t TypeId = COMP_RectangleCollider;

  RectangleCollider();
  RectangleCollider(CollisionGroup startGroup, float width, float height);
  // Copies scale and mapFlag; "radius" is a cache of the scale, worked out again.
  RectangleCollider& operator=(const RectangleCollider& other);

  void GetMembers(std::vector<MemberBase*>& members) override;
  void MembersChanged() override;
  void DebugDraw(float rotation, glm::vec2 position, PhysicsDebugDraw& drawer) override;
  // Half the diagonal.
  float GetBoundingRadius() override;
  bool ContainsPoint(float x, float y) override;
  void SetSize(float width, float height);

  bool mapFlag = false;
  glm::vec2 scale{100.0f, 100.0f};
  float radius = 0.0f;  // cache of the bounding radius
  bool radiusDirty = true;
};
