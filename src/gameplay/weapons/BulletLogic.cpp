#include "gameplay/weapons/BulletLogic.h"

#include "object/GameObject.h"
#include "object/Removal.h"
#include "object/Spawning.h"
#include "object/Transform.h"
#include "physics/Collider.h"
#include "physics/CollisionGroup.h"
#include "physics/PhysicsEvents.h"
#include "physics/Rigidbody.h"

#include <algorithm>
#include <cmath>

void BulletLogic::OnAwake()
{
  if (Collider* collider = GetCollider(GetGameObject()))
    collider->endsAtFirstContact = true;
  SubscribeOnOwner<CollisionEvent>(this);
  LetSpaceDestroyOwner();
}

const char* BulletLogic::EffectFor(std::uint32_t otherGroup, const GameObject* other)
{
  if (otherGroup == static_cast<std::uint32_t>(CollisionGroup::WALL))
    return "BulletSparkWall";
  if (other != nullptr && other->GetComponent("BossActionLogic") != nullptr)
    return "BulletSparkBoss";
  return "BulletImpact";
}

void BulletLogic::On(CollisionEvent* event)
{
  QueueRemoval(GetOwner());
  GameObject* bullet = GetGameObject();
  const std::uint32_t otherId = event->other ? event->other->GetId() : 0;
  if (bullet == nullptr || bullet->GetTransform() == nullptr ||
      std::find(touched.begin(), touched.end(), otherId) != touched.end())
    return;
  touched.push_back(otherId);
  const Handle<GameObject> effect = SpawnAt(EffectFor(event->otherGroup, event->other.Get()), bullet->GetSpace(),
                                            bullet->GetTransform()->GetWorldPosition());
  const Rigidbody* body = bullet->GetComponent<Rigidbody>();
  if (effect && effect->GetTransform() != nullptr && body != nullptr)
    effect->GetTransform()->SetRotation(std::atan2(body->velocity.y, body->velocity.x));
}
