#include "gameplay/boss/BossBallLogic.h"

#include "gameplay/combat/Health.h"
#include "object/GameObject.h"
#include "object/Members.h"
#include "object/ObjectEvents.h"
#include "object/Spawning.h"
#include "object/Transform.h"
#include "physics/CollisionGroup.h"
#include "physics/PhysicsEvents.h"

void BossBallLogic::GetMembers(std::vector<MemberBase*>& members)
{
  Members::AddMember(members, "damagePerSecond", &damagePerSecond, RenderFloat, 0.0f);
}

void BossBallLogic::OnAwake()
{
  SubscribeOnOwner<CollisionEvent>(this);
  SubscribeOnOwner<ExplosionEvent>(this);
}

void BossBallLogic::On(CollisionEvent* event)
{
  if (event->otherGroup != static_cast<std::uint32_t>(CollisionGroup::PLAYER))
    return;
  // A player without Health takes nothing rather than stopping the game.
  if (Health* health = event->other ? event->other->GetComponent<Health>() : nullptr)
    health->TakeDamage(ContactDamage);
}

void BossBallLogic::On(ExplosionEvent*)
{
  GameObject* ball = GetGameObject();
  if (const Transform* transform = ball != nullptr ? ball->GetTransform() : nullptr)
    SpawnAt("Blast", ball->GetSpace(), transform->GetWorldPosition());
}
