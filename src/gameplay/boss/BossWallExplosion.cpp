#include "gameplay/boss/BossWallExplosion.h"

#include "core/Send.h"
#include "gameplay/boss/BossEvents.h"
#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/ObjectEvents.h"
#include "object/Spawning.h"
#include "object/Transform.h"

void BossWallExplosion::OnAwake()
{
  LetSpaceDestroyOwner();
  SubscribeOnSpace<ThroneExplosionEvent>(this);
  SubscribeOnSpace<UpdateEvent>(this);
}

void BossWallExplosion::On(ThroneExplosionEvent*)
{
  if (!exploded)
    armed = true;
}

void BossWallExplosion::On(UpdateEvent* event)
{
  if (!armed)
    return;
  delay -= event->dt;
  if (delay > 0.0f)
    return;
  // Once: the wall's own destruction may take a frame to be carried out.
  armed = false;
  exploded = true;
  GameObject* wall = GetGameObject();
  Transform* transform = wall != nullptr ? wall->GetTransform() : nullptr;
  if (transform == nullptr)
    return;
  SpawnAt("Blast", wall->GetSpace(), transform->GetWorldPosition());
  Queue<GameObjectDestroyedEvent>(BRINDLE_SITE, wall->GetId(), GetOwner());
}
