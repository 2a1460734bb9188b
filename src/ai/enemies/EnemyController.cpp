#include "ai/enemies/EnemyController.h"

#include "ai/navigation/AimingModule.h"
#include "core/MemoryManager.h"
#include "core/Send.h"
#include "gameplay/combat/CombatEvents.h"
#include "gameplay/combat/Health.h"
#include "gameplay/items/Equipment.h"
#include "gameplay/items/ItemEvents.h"
#include "object/GameObject.h"
#include "object/ObjectEvents.h"
#include "physics/Collider.h"
#include "platform/Assert.h"
#include "steering/AIEvents.h"
#include "steering/Agent.h"

#include <algorithm>
#include <glm/geometric.hpp>
#include <string>

namespace
{
// UseEvent's flags as the AI sends them: not a fresh press, and re-armed, so that a gun that fires
// once per press fires again whenever its cooldown allows.
constexpr bool FreshPress = false;
constexpr bool Rearm = true;
constexpr std::uint32_t PrimarySlot = 0;
}  // namespace

EnemyController::EnemyController(std::uint32_t typeId, const char* name) : Component(typeId), className(name) {}

EnemyController::~EnemyController()
{
  target_.Release();
}

void EnemyController::FindAiming()
{
  GameObject* object = GetGameObject();
  aiming = object != nullptr ? object->GetComponent<AimingModule>() : nullptr;
  if (aiming == nullptr)
    missingAiming.Report(*this, "AimingModule", "looking for targets");
}

void EnemyController::AllocateTarget()
{
  if (!target_.IsValid())
    target_ = MemoryManager::NewHandle<Kinematic>(BRINDLE_SITE);
  BRINDLE_FATAL_CHECK(target_.IsValid(), std::string(className) + " failed to allocate target_ kinematic");
}

void EnemyController::BindCharacter()
{
  const GameObject* object = GetGameObject();
  if (const Agent* agent = object != nullptr ? object->GetComponent<Agent>() : nullptr)
    character = agent->GetKinematic();
  else
    missingAgent.Report(*this, "Agent", "steering");
}

void EnemyController::RefreshTarget()
{
  targetObject = aiming != nullptr ? aiming->FindTarget() : Handle<GameObject>();
}

void EnemyController::MirrorTarget()
{
  const GameObject* target = targetObject.Get();
  const Agent* agent = target != nullptr ? target->GetComponent<Agent>() : nullptr;
  const Kinematic* seen = agent != nullptr ? agent->GetKinematic().Get() : nullptr;
  if (seen != nullptr && target_.IsValid())
    *target_ = *seen;
}

void EnemyController::HeadRoundWalls(float dt)
{
  const Kinematic* self = character.Get();
  Kinematic* mirrored = target_.Get();
  if (aiming == nullptr || self == nullptr || mirrored == nullptr || !targetObject.IsValid())
    return;
  mirrored->position = detour.Next(*aiming, self->position, mirrored->position, dt);
}

Equipment* EnemyController::FindEquipment()
{
  GameObject* object = GetGameObject();
  Equipment* equipment = object != nullptr ? object->GetComponent<Equipment>() : nullptr;
  if (equipment == nullptr)
    missingEquipment.Report(*this, "Equipment", "arming and firing");
  return equipment;
}

bool EnemyController::IsArmed()
{
  const Equipment* equipment = FindEquipment();
  return equipment != nullptr && equipment->GetSlot(PrimarySlot).IsValid();
}

void EnemyController::AskForWeapon()
{
  GameObject* object = GetGameObject();
  if (object != nullptr && FindEquipment() != nullptr && !IsArmed())
    Queue<EquipDequip>(BRINDLE_SITE, object->GetId(), PrimarySlot);
}

void EnemyController::FireWeapon()
{
  GameObject* object = GetGameObject();
  if (object != nullptr && IsArmed())
    SendNow<UseEvent>(BRINDLE_SITE, object->GetId(), FreshPress, PrimarySlot, Rearm);
}

void EnemyController::SendSteering()
{
  if (const GameObject* object = GetGameObject())
    Queue<UpdateSteering>(BRINDLE_SITE, object->GetId(), steering.linear, steering.angular);
}

void EnemyController::KeepOffTarget()
{
  GameObject* target = targetObject.Get();
  Collider* own = GetCollider(GetGameObject());
  Collider* theirs = target != nullptr ? GetCollider(target) : nullptr;
  const Kinematic* self = character.Get();
  if (own == nullptr || theirs == nullptr || self == nullptr)
    return;
  const glm::vec2 towards = theirs->GetPosition() - own->GetPosition();
  const float distance = glm::length(towards);
  const float gap = distance - own->GetBoundingRadius() - theirs->GetBoundingRadius();
  if (distance <= 0.0f || gap > ArrivalGap)
    return;
  // It arrives at the target's side as at a point: the nearer, the slower it closes in, and at
  // the touch not at all.
  const glm::vec2 direction = towards / distance;
  const float closing = glm::dot(self->velocity, direction);
  const float wanted = (std::max(gap, 0.0f) * ArrivalRate - closing) * BrakeRate;
  const float push = glm::dot(steering.linear, direction);
  if (wanted < push)
    steering.linear += (wanted - push) * direction;
}

void EnemyController::MarkDead()
{
  GameObject* object = GetGameObject();
  if (Health* health = object != nullptr ? object->GetComponent<Health>() : nullptr)
    health->MarkDead();
  else
    missingHealth.Report(*this, "Health", "setting the dead enemy's hitpoints");
}

void EnemyController::On(DiedEvent*)
{
  GameObject* object = GetGameObject();
  if (object == nullptr || dead)
    return;
  // Looked up quietly: an enemy that never carries anything has nothing to drop.
  if (const Equipment* equipment = object->GetComponent<Equipment>();
      equipment != nullptr && equipment->GetSlot(PrimarySlot).IsValid())
    SendNow<EquipDequip>(BRINDLE_SITE, object->GetId(), PrimarySlot);
  dead = true;
  MarkDead();
  OnDied();
}

void EnemyController::On(DeathAnimationComplete*)
{
  if (GameObject* object = GetGameObject())
    Queue<GameObjectDestroyedEvent>(BRINDLE_SITE, object->GetId(), GetOwner());
}
