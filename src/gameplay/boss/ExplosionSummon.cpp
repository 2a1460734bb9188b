#include "gameplay/boss/ExplosionSummon.h"

#include "gameplay/boss/BossEvents.h"
#include "gameplay/player/PlayerEvents.h"
#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/Spawning.h"
#include "object/Transform.h"
#include "platform/Random.h"

void ExplosionSummon::OnAwake()
{
  SubscribeOnOwner<InteractionEvent>(this);
  SubscribeOnSpace<ThroneExplosionEvent>(this);
  SubscribeOnSpace<UpdateEvent>(this);
}

void ExplosionSummon::Blast()
{
  GameObject* owner = GetGameObject();
  const Transform* transform = owner != nullptr ? owner->GetTransform() : nullptr;
  if (transform == nullptr)
    return;
  // The vertical offset is drawn first.
  const float a = RandomUnit() * (2.0f * BlastReach) - BlastReach;
  const float b = RandomUnit() * (2.0f * BlastReach) - BlastReach;
  const glm::vec2 at = transform->GetWorldPosition();
  SpawnAt("Blast", owner->GetSpace(), glm::vec2(at.x - b, at.y - a));
}

void ExplosionSummon::On(InteractionEvent*)
{
  Blast();
}

void ExplosionSummon::On(ThroneExplosionEvent*)
{
  triggered = true;
}

void ExplosionSummon::On(UpdateEvent* event)
{
  if (!triggered || blastsLeft == 0)
    return;
  blastTimer -= event->dt;
  if (blastTimer >= 0.0f)
    return;
  Blast();
  --blastsLeft;
  blastTimer = blastInterval;
}
