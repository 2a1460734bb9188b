#include "physics/CircleCollider.h"

#include "object/Members.h"
#include "object/Transform.h"
#include "physics/PhysicsDebugDraw.h"
#include "physics/ShapeTests.h"

CircleCollider::CircleCollider() : Collider(TypeId)
{
  group = CollisionGroup::PROJECTILE;
}

void CircleCollider::GetMembers(std::vector<MemberBase*>& members)
{
  Collider::GetMembers(members);
  Members::AddMember(members, "radius", &radius, RenderFloat, 50.0f);
  Members::AddMember(members, "dynamic tests", &dynamicTests, RenderBool, false);
}

void CircleCollider::DebugDraw(float, glm::vec2 position, PhysicsDebugDraw& drawer)
{
  if (!active)
    return;
  drawer.DrawCircle(position, 2.0f * radius, DebugColour());
}

bool CircleCollider::ContainsPoint(float x, float y)
{
  const Transform* owner = FindTransform();
  const glm::vec2 centre = owner != nullptr ? owner->GetWorldPosition() : glm::vec2{0.0f, 0.0f};
  return CircleOverlap({x, y}, centre, radius);
}
