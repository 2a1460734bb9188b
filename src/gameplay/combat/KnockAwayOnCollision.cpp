#include "gameplay/combat/KnockAwayOnCollision.h"

#include "object/GameObject.h"
#include "object/Members.h"
#include "object/Transform.h"
#include "physics/PhysicsEvents.h"
#include "physics/Rigidbody.h"

#include <cmath>

namespace
{
float PushAlong(float force, float distance)
{
  return std::fabs(distance) < KnockAwayOnCollision::AlignedDistance ? 0.0f : force / distance;
}
}  // namespace

void KnockAwayOnCollision::OnAwake()
{
  SubscribeOnOwner<CollisionEvent>(this);
}

void KnockAwayOnCollision::GetMembers(std::vector<MemberBase*>& members)
{
  Members::AddMember(members, "forcePerInvDistance", &forcePerInvDistance, RenderFloat, 1000.0f);
}

void KnockAwayOnCollision::On(CollisionEvent* event)
{
  GameObject* other = event->other.Get();
  GameObject* self = GetGameObject();
  Rigidbody* body = other != nullptr ? other->GetComponent<Rigidbody>() : nullptr;
  if (body == nullptr || self == nullptr || self->GetTransform() == nullptr || other->GetTransform() == nullptr)
    return;
  const glm::vec2 away = other->GetTransform()->GetWorldPosition() - self->GetTransform()->GetWorldPosition();
  body->AddForce(PushAlong(forcePerInvDistance, away.x), PushAlong(forcePerInvDistance, away.y));
}
