#include "gameplay/boss/BossThroneLogic.h"

#include "core/EventManager.h"
#include "core/Log.h"
#include "core/Send.h"
#include "gameplay/boss/BossEvents.h"
#include "gameplay/combat/CombatEvents.h"
#include "gameplay/combat/Health.h"
#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/Members.h"
#include "object/ObjectEvents.h"
#include "object/Space.h"
#include "object/Spawning.h"
#include "object/Transform.h"
#include "render/CameraEvents.h"

void BossThroneLogic::GetMembers(std::vector<MemberBase*>& members)
{
  Members::AddMember(members, "shakeIntensity", &shakeIntensity, RenderFloat, 0.0f);
}

void BossThroneLogic::OnAwake()
{
  LetSpaceDestroyOwner();
  SubscribeOnOwner<DiedEvent>(this);
  SubscribeOnSpace<UpdateEvent>(this);
  GameObject* owner = GetGameObject();
  health = owner != nullptr ? owner->GetComponent<Health>() : nullptr;
  sprite = owner != nullptr ? owner->GetSprite() : nullptr;
  lastHitpoints = hitpoints = health != nullptr ? health->GetMaxHitpoints() : 0.0f;
}

void BossThroneLogic::On(UpdateEvent*)
{
  if (health == nullptr)
    return;
  hitpoints = health->GetHitpoints();
  // One shake for the frame's whole loss, however many hits made it; healing does not shake.
  if (lastHitpoints > hitpoints)
  {
    if (GetSpace() != nullptr)
      Queue<ShakeEvent>(BRINDLE_SITE, GetSpace()->GetId(), shakeIntensity);
  }
  lastHitpoints = hitpoints;
}

void BossThroneLogic::On(DiedEvent*)
{
  GameObject* throne = GetGameObject();
  EventManager* manager = EventManager::Instance();
  if (exploded || throne == nullptr || manager == nullptr || throne->GetSpace() == nullptr)
    return;
  exploded = true;
  LogLine("Throne: exploded");
  if (const Transform* transform = throne->GetTransform())
    SpawnAt("Blast", throne->GetSpace(), transform->GetWorldPosition());
  Queue<GameObjectDestroyedEvent>(BRINDLE_SITE, throne->GetId(), GetOwner());
  Queue<ThroneExplosionEvent>(BRINDLE_SITE, throne->GetSpace()->GetId());
}
