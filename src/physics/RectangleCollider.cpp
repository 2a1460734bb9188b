#include "physics/RectangleCollider.h"

#include "object/Members.h"
#include "object/Transform.h"
#include "physics/PhysicsDebugDraw.h"
#include "physics/ShapeTests.h"

#include <cmath>

RectangleCollider::RectangleCollider() : RectangleCollider(CollisionGroup::PROJECTILE, 100.0f, 100.0f)
{
}

RectangleCollider::RectangleCollider(CollisionGroup startGroup, float width, float height)
    : Collider(TypeId), scale(width, height)
{
  group = startGroup;
}

RectangleCollider& RectangleCollider::operator=(const RectangleCollider& other)
{
  Collider::operator=(other);
  scale = other.scale;
  mapFlag = other.mapFlag;
  radiusDirty = true;
  return *this;
}

void RectangleCollider::GetMembers(std::vector<MemberBase*>& members)
{
  Collider::GetMembers(members);
  Members::AddMember(members, "mapFlag", &mapFlag, RenderBool, false);
  Members::AddMember(members, "scale", &scale, RenderVec2, glm::vec2(100.0f, 100.0f));
  Members::AddMember(members, "radius", &radius, RenderFloat, 0.0f);
}

void RectangleCollider::MembersChanged()
{
  // Whatever a file writes into "radius", the half diagonal of the loaded scale counts.
  radiusDirty = true;
}

void RectangleCollider::DebugDraw(float rotation, glm::vec2 position, PhysicsDebugDraw& drawer)
{
  if (!active)
    return;
  drawer.DrawRectangle(position, scale, rotation, DebugColour());
}

float RectangleCollider::GetBoundingRadius()
{
  if (radiusDirty)
  {
    radius = std::sqrt(scale.x * scale.x * 0.25f + scale.y * scale.y * 0.25f);
    radiusDirty = false;
  }
  return radius;
}

bool RectangleCollider::ContainsPoint(float x, float y)
{
  const Transform* owner = FindTransform();
  const glm::vec2 centre = owner != nullptr ? owner->GetWorldPosition() : glm::vec2{0.0f, 0.0f};
  const float angle = owner != nullptr ? owner->GetWorldRotation() : 0.0f;
  return RectangleContainsPoint({x, y}, centre, scale, angle);
}

void RectangleCollider::SetSize(float width, float height)
{
  scale = {width, height};
  radiusDirty = true;
}
