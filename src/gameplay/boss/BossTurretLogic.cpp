#include "gameplay/boss/BossTurretLogic.h"

#include "core/Send.h"
#include "gameplay/combat/CombatEvents.h"
#include "gameplay/items/Equipment.h"
#include "gameplay/items/ItemEvents.h"
#include "gameplay/weapons/BeamGun.h"
#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/Removal.h"
#include "object/Spawning.h"
#include "object/Transform.h"
#include "platform/Random.h"

#include <glm/gtc/constants.hpp>
#include <vector>

void BossTurretLogic::OnAwake()
{
  GameObject* owner = GetGameObject();
  if (owner == nullptr)
    return;
  SubscribeOnSpace<UpdateEvent>(this);
  Arm("BeamWeaponOne", 0);
  Arm("BeamWeaponTwo", 1);
  const float pi = glm::pi<float>();
  // Both draws are made even for a missing gun, so the sequence stays the same.
  const float first = RandomUnit() * pi;
  const float second = (RandomUnit() + pi) * pi;
  if (Equipment* equipment = owner->GetComponent<Equipment>())
  {
    if (const Handle<GameObject> gun = equipment->GetSlot(0); gun && gun->GetTransform() != nullptr)
      gun->GetTransform()->Rotate(first);
    if (const Handle<GameObject> gun = equipment->GetSlot(1); gun && gun->GetTransform() != nullptr)
      gun->GetTransform()->Rotate(second);
  }
  SubscribeOnOwner<DiedEvent>(this);
}

void BossTurretLogic::Arm(const char* name, std::uint32_t slot)
{
  GameObject* owner = GetGameObject();
  const Transform* transform = owner->GetTransform();
  const Handle<GameObject> gun =
      SpawnAt(GunPrefab, GetSpace(), transform != nullptr ? transform->GetWorldPosition() : glm::vec2(0.0f), name);
  BeamGun* beam = gun ? gun->GetComponent<BeamGun>() : nullptr;
  if (beam == nullptr)
    return;
  beam->SetAmmoPerSecond(0.0f);
  if (Equipment* equipment = owner->GetComponent<Equipment>())
    equipment->Equip(gun, slot);
  SendNow<EquipEvent>(BRINDLE_SITE, owner->GetId(), gun.Get(), slot);
  beam->SetBlockingGroup(CollisionGroup::BOSS_LASER);
}

void BossTurretLogic::On(UpdateEvent*)
{
  GameObject* owner = GetGameObject();
  if (owner == nullptr)
    return;
  SendNow<UseEvent>(BRINDLE_SITE, owner->GetId(), false, 0u, false);
  SendNow<UseEvent>(BRINDLE_SITE, owner->GetId(), false, 1u, false);
}

void BossTurretLogic::On(DiedEvent*)
{
  GameObject* owner = GetGameObject();
  const Transform* transform = owner != nullptr ? owner->GetTransform() : nullptr;
  if (transform == nullptr)
    return;
  // A copy: the list may change while the removals are queued.
  const std::vector<Transform*> children = transform->GetChildren();
  for (const Transform* child : children)
    QueueRemoval(child->GetOwner());
}
