#include "physics/Collider.h"

#include "core/EventManager.h"
#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/Members.h"
#include "object/Transform.h"
#include "physics/PhysicsModule.h"

const fColor Collider::CollidingColour{1.0f, 0.0f, 0.0f, 1.0f};
const fColor Collider::RestingColour{1.0f, 1.0f, 1.0f, 1.0f};

Collider::Collider(std::uint32_t typeId) : Component(typeId)
{
}

void Collider::OnAwake()
{
  PhysicsModule* module = PhysicsModule::JoiningModule(*this, transform);
  if (module == nullptr)
    return;
  module->AddCollider(this, GetOwner());
  SubscribeOnSpace<UpdateEvent>(this);
}

void Collider::GetMembers(std::vector<MemberBase*>& members)
{
  Members::AddMember(members, "colliding", &colliding, RenderBool, false);
  Members::AddMember(members, "ghost", &ghost, RenderBool, false);
  Members::AddMember(members, "group", &group, RenderCollisionGroup, CollisionGroup::PROJECTILE);
  Members::AddMember(members, "offset", &offset, RenderVec2, glm::vec2(0.0f, 0.0f));
  Members::AddMember(members, "active", &active, RenderBool, true);
}

Transform* Collider::FindTransform() const
{
  if (transform != nullptr)
    return transform;
  GameObject* object = GetGameObject();
  return object != nullptr ? object->GetTransform() : nullptr;
}

glm::vec2 Collider::GetPosition() const
{
  const Transform* owner = FindTransform();
  return (owner != nullptr ? owner->GetWorldPosition() : glm::vec2{0.0f, 0.0f}) + offset;
}

void Collider::SetPosition(float x, float y)
{
  if (Transform* owner = FindTransform())
    owner->SetWorldPosition(x - offset.x, y - offset.y);
}

void Collider::On(UpdateEvent*)
{
  colliding = false;
}

Collider* GetCollider(const GameObject* object)
{
  if (object == nullptr)
    return nullptr;
  for (const char* typeName : {"Collider", "RectangleCollider", "CircleCollider"})
  {
    if (Component* found = object->GetComponent(typeName))
      return static_cast<Collider*>(found);
  }
  return nullptr;
}
