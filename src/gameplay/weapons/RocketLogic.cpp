#include "gameplay/weapons/RocketLogic.h"

#include "gameplay/combat/Damage.h"
#include "object/GameObject.h"
#include "object/Members.h"
#include "object/Removal.h"
#include "object/Spawning.h"
#include "object/Transform.h"
#include "physics/Collider.h"
#include "physics/PhysicsEvents.h"

void RocketLogic::OnAwake()
{
  if (Collider* collider = GetCollider(GetGameObject()))
    collider->endsAtFirstContact = true;
  SubscribeOnOwner<CollisionEvent>(this);
  // The rocket removes itself; without this its removal was never heard and it flew on for good.
  LetSpaceDestroyOwner();
}

void RocketLogic::GetMembers(std::vector<MemberBase*>& members)
{
  Members::AddMember(members, "blastDamage", &blastDamage, RenderFloat, 0.0f);
}

void RocketLogic::On(CollisionEvent*)
{
  GameObject* rocket = GetGameObject();
  if (exploded || rocket == nullptr || rocket->GetTransform() == nullptr)
    return;
  exploded = true;
  const Handle<GameObject> blast = SpawnAt(BlastPrefab, rocket->GetSpace(), rocket->GetTransform()->GetWorldPosition());
  if (Damage* damage = blast ? blast->GetComponent<Damage>() : nullptr)
    damage->SetDamage(blastDamage);
  if (Collider* collider = GetCollider(rocket))
    collider->SetActive(false);
  QueueRemoval(GetOwner());
}
