#include "ai/enemies/DroneSpawnController.h"

#include "ai/navigation/AimingModule.h"
#include "ai/spawning/Countdown.h"
#include "core/FiniteCheck.h"
#include "gameplay/combat/CombatEvents.h"
#include "gameplay/combat/Health.h"
#include "gameplay/combat/Team.h"
#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/MemberWidgets.h"
#include "object/Members.h"
#include "object/Spawning.h"
#include "object/Transform.h"
#include "physics/PhysicsEvents.h"
#include "physics/Rigidbody.h"
#include "render/Sprite.h"
#include "steering/behaviors/Face.h"
#include "steering/behaviors/ObstacleAvoidance.h"
#include "steering/behaviors/Seek.h"
#include "steering/behaviors/Separation.h"

DroneSpawnController::DroneSpawnController() : EnemyController(TypeId, "DroneSpawnController") {}

void DroneSpawnController::GetMembers(std::vector<MemberBase*>& members)
{
  Members::AddMember(members, "damageOnHit_", &damageOnHit, RenderFloat, 0.5f);
  Members::AddMember(members, "damageCooldownLength_", &damageCooldownLength, RenderFloat, 1.0f);
  Members::AddMember(members, "damageCooldown_", &damageCooldown, RenderFloatReadOnly, 0.0f);
}

void DroneSpawnController::OnAwake()
{
  if (GetGameObject() == nullptr)
    return;
  LetSpaceDestroyOwner();
  SubscribeOnOwner<DiedEvent>(this);
  SubscribeOnOwner<CollisionEvent>(this);
  SubscribeOnOwner<DeathAnimationComplete>(this);
  SubscribeOnSpace<UpdateEvent>(this);
  FindAiming();
  AllocateTarget();
  blend = std::make_unique<BlendedSteering>(GetSpace(), character);
  allySeparation = blend->AddBehavior<Separation>(1.0f);
  allySeparation->threshold = 64.0f;
  blend->AddBehavior<Face>(3.0f)->SetTarget(target_);
  blend->AddBehavior<Seek>(8.0f)->SetTarget(target_);
  blend->AddBehavior<ObstacleAvoidance>(10.0f)->SetDebugDraw(true);
}

void DroneSpawnController::Synchronize()
{
  BindCharacter();
  if (blend != nullptr)
    blend->SetCharacter(character);
}

void DroneSpawnController::OnDestroy()
{
  blend.reset();
  allySeparation = nullptr;
  ReleaseTarget();
}

void DroneSpawnController::On(UpdateEvent* event)
{
  GameObject* object = GetGameObject();
  if (dead || object == nullptr)
    return;
  if (Sprite* sprite = object->GetSprite())
    if (const Rigidbody* body = object->GetComponent<Rigidbody>())
      sprite->SetFlipX(body->velocity.x < 0.0f);
  KeepCountdownFinite(damageCooldown, 0.0f, *this, "damageCooldown_");
  damageCooldown -= event->dt;
  if (aiming != nullptr && allySeparation != nullptr)
    allySeparation->SetNeighbours(aiming->GetAllyKinematics());
  RefreshTarget();
  MirrorTarget();
  // What it cannot see it neither flies into the wall before nor shoots at.
  const bool seen = aiming != nullptr && aiming->CanSee(&targetObject);
  if (seen)
    ForgetDetour();
  else
    HeadRoundWalls(event->dt);
  if (blend != nullptr)
    steering = blend->GetSteering();
  // Having struck, it holds off at its target's side until it may strike again: pressing on, it
  // would carry a player who stands still along the walls into a corner.
  if (damageCooldown > 0.0f)
    KeepOffTarget();
  SendSteering();
  if (seen)
    FireWeapon();
}

void DroneSpawnController::On(CollisionEvent* event)
{
  GameObject* self = GetGameObject();
  GameObject* other = event->other.Get();
  if (self == nullptr || other == nullptr || other->GetComponent<Team>() == nullptr)
    return;
  // A drone of no team has no side to strike for.
  if (self->GetComponent<Team>() == nullptr || TeamOf(self) == TeamOf(other) || !(damageCooldown < 0.0f))
    return;
  damageCooldown = IsFinite(damageCooldownLength) ? damageCooldownLength : 1.0f;
  if (Transform* own = self->GetTransform(); own != nullptr && other->GetTransform() != nullptr)
    SpawnAt(ImpactPrefab, self->GetSpace(), (own->GetWorldPosition() + other->GetTransform()->GetWorldPosition()) * 0.5f,
            "DroneImpact");
  if (Health* health = other->GetComponent<Health>())
    health->TakeDamage(damageOnHit);
}
