#include "ai/enemies/SimpleTurretController.h"

#include "ai/navigation/AimingModule.h"
#include "core/Send.h"
#include "gameplay/combat/CombatEvents.h"
#include "gameplay/items/Equipment.h"
#include "gameplay/items/ItemEvents.h"
#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/ObjectEvents.h"
#include "object/Transform.h"
#include "steering/behaviors/Face.h"

#include <cmath>

namespace
{
constexpr std::uint32_t PrimarySlot = 0;
}

SimpleTurretController::SimpleTurretController() : EnemyController(TypeId, "SimpleTurretController") {}

SimpleTurretController::~SimpleTurretController() = default;

void SimpleTurretController::OnAwake()
{
  if (GetGameObject() == nullptr)
    return;
  LetSpaceDestroyOwner();
  SubscribeOnOwner<DiedEvent>(this);
  SubscribeOnSpace<UpdateEvent>(this);
  SubscribeOnOwner<TouchedItem>(this);
  FindAiming();
  AllocateTarget();
  face = std::make_unique<Face>(GetSpace(), character);
  face->timeToTarget = TurnTime;
  face->SetTarget(target_);
}

void SimpleTurretController::Synchronize()
{
  BindCharacter();
  if (face != nullptr)
    face->SetCharacter(character);
}

glm::mat3 SimpleTurretController::WeaponMatrix(float orientation)
{
  const float c = std::cos(orientation);
  const float s = std::sin(orientation);
  const float mirror = c > 0.0f ? 1.0f : -1.0f;
  // Columns: the turned x axis, then the turned y axis mirrored, then no translation.
  return glm::mat3(c, s, 0.0f, -s * mirror, c * mirror, 0.0f, 0.0f, 0.0f, 1.0f);
}

void SimpleTurretController::On(UpdateEvent*)
{
  GameObject* object = GetGameObject();
  if (dead || object == nullptr)
    return;
  RefreshTarget();
  MirrorTarget();
  if (face != nullptr)
    steering = face->GetSteering();
  SendSteering();
  const Equipment* equipment = object->GetComponent<Equipment>();
  GameObject* weapon = equipment != nullptr ? equipment->GetSlot(PrimarySlot).Get() : nullptr;
  const Kinematic* self = character.Get();
  if (weapon == nullptr || self == nullptr)
    return;
  if (Transform* transform = weapon->GetTransform())
    transform->SetLocalMatrix(WeaponMatrix(self->orientation));
  if (aiming != nullptr && aiming->CanSee(&targetObject))
    FireWeapon();
}

void SimpleTurretController::On(TouchedItem*)
{
  GameObject* object = GetGameObject();
  if (!dead && object != nullptr && FindEquipment() != nullptr && !IsArmed())
    SendNow<EquipDequip>(BRINDLE_SITE, object->GetId(), PrimarySlot);
}

void SimpleTurretController::On(DiedEvent*)
{
  GameObject* object = GetGameObject();
  if (object == nullptr || dead)
    return;
  dead = true;
  if (const Equipment* equipment = object->GetComponent<Equipment>();
      equipment != nullptr && equipment->GetSlot(PrimarySlot).IsValid())
    Queue<EquipDequip>(BRINDLE_SITE, object->GetId(), PrimarySlot);
  Queue<GameObjectDestroyedEvent>(BRINDLE_SITE, object->GetId(), GetOwner());
}
