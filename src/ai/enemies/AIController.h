#pragma once
// The basic enemy's brain: a two-state machine that wanders until it sees its nearest target and
// then chases and shoots it, steering through two weighted blends.
//
//   state        update action   leaves for    when
//   "Wandering"  WanderUpdate    "Chasing"     the aiming module can see the nearest target
//   "Chasing"    CombatUpdate    "Wandering"   it cannot
//
// Wandering blends Separation from its allies (3, within 250), Wander (5), Seek toward the last
// place it saw a target (2), AlignToMovement (1), ObstacleAvoidance (10) and Zoning (5) around where
// it stood when it woke. Chasing blends Separation from allies (4, within 100) and from targets
// (15, within 600), Wander (1), Face (1) and Seek (8) the target, and ObstacleAvoidance (20).
// Each update it queues its steering to its Agent, asks its Equipment to pick up what it touches
// while its first slot is empty, and fires: on every update while chasing (both weapon slots),
// once in 500 updates otherwise. After its DiedEvent it does nothing more but drop its weapon;
// DeathAnimationComplete ends the object.
//
// It sits beside an Agent, an AimingModule, an Equipment and a Health; without one of them the
// steps that need it are skipped, with a warning.
#include "steering/BlendedSteering.h"
#include "object/Component.h"
#include "object/MissingSiblingWarning.h"
#include "steering/states/StateMachine.h"

#include <memory>

class AimingModule;
class DeathAnimationComplete;
class DiedEvent;
class Equipment;
class Separation;
class UpdateEvent;
class Zoning;

class AIController : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_AIController;
  // The level its death asks for.
  static constexpr const char* DeathLevel = "brackwater";

  AIController();
  ~AIController() override;
  // Nothing travels: the machine and the blends are built for the live object when it wakes.
  AIController& operator=(const AIController& other);

  void OnAwake() override;
  // Binds the Agent's kinematic to both blends and centres the zone where the object stands.
  void Synchronize() override;
  void OnDestroy() override;

  void On(UpdateEvent* event);
  void On(DiedEvent* event);
  void On(DeathAnimationComplete* event);

  // The machine's update actions.
  void WanderUpdate();
  void CombatUpdate();

  const StateMachine& GetMachine() const { return machine; }
  bool IsDead() const { return dead; }
  const SteeringOutput& GetSteering() const { return steering; }
  const Handle<GameObject>& GetTargetObject() const { return targetObject; }

private:
  void BuildBlends();
  void BuildMachine();
  // The kinematic of the target's Agent, copied whole into target_ (when there is one).
  void MirrorTarget();
  Equipment* FindEquipment();
  bool SlotHoldsItem(Equipment* equipment, std::uint32_t slot) const;
  void Use(std::uint32_t slot);

  AimingModule* aiming = nullptr;
  bool dead = false;
  StateMachine machine{"AIController"};
  std::unique_ptr<BlendedSteering> wanderBlend;
  Separation* wanderSeparation = nullptr;
  Zoning* zoning = nullptr;
  std::unique_ptr<BlendedSteering> combatBlend;
  Separation* allySeparation = nullptr;
  Separation* targetSeparation = nullptr;
  SteeringOutput steering;
  Handle<Kinematic> kinematic;
  Handle<Kinematic> target_;
  Handle<GameObject> targetObject;
  MissingSiblingWarning missingAgent;
  MissingSiblingWarning missingAiming;
  MissingSiblingWarning missingEquipment;
  MissingSiblingWarning missingHealth;
};
