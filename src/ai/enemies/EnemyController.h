#pragma once
// What the enemy controllers share: the AimingModule they ask for targets, the Agent's kinematic
// they steer (the character), a kinematic of their own that mirrors the target's motion, the
// steering of the current update, and the steps every armed enemy takes with its Equipment.
//
//   RefreshTarget();            targetObject = the nearest opponent (empty when none)
//   MirrorTarget();             target_ = that opponent's Agent kinematic, whole
//   HeadRoundWalls(dt);         target_'s place = where to head for it while it is out of sight
//   AskForWeapon();             unarmed: an EquipDequip for slot 0 is queued (picks up what it touches)
//   FireWeapon();               armed: a UseEvent for slot 0, with the re-arm flag, sent at once
//   KeepOffTarget();            `steering` arrives at the target's side rather than pushing into it
//   SendSteering();             `steering` queued to the Agent as UpdateSteering
//
// Its two handlers end an enemy that dies through its death animation: DiedEvent drops a held
// weapon (at once), stops the controller and writes the dead hitpoints; DeathAnimationComplete
// removes the object. A class subscribes them itself, in its own order.
//
// A walking enemy closes in on its target but never presses on into it once their bodies touch: it
// would otherwise shove a player who stands still across the room (a carrier closes in to burst,
// and a drone rams on purpose: it holds off only between two strikes).
//
// A sibling it needs and lacks is reported once and the step that needs it is skipped.
#include "ai/navigation/Detour.h"
#include "core/LivePointer.h"
#include "steering/Kinematic.h"
#include "object/Component.h"
#include "object/MissingSiblingWarning.h"
#include "steering/SteeringOutput.h"

class AimingModule;
class DeathAnimationComplete;
class DiedEvent;
class Equipment;

class EnemyController : public Component
{
public:
  // Within this gap of the target's body an enemy closes in at most at ArrivalRate times the gap
  // a second, and reaches that speed at BrakeRate (a tenth of a second).
  static constexpr float ArrivalGap = 120.0f;
  static constexpr float ArrivalRate = 3.0f;
  static constexpr float BrakeRate = 10.0f;
  ~EnemyController() override;

  void On(DiedEvent* event);
  void On(DeathAnimationComplete* event);

  bool IsDead() const { return dead; }
  const SteeringOutput& GetSteering() const { return steering; }
  const Handle<GameObject>& GetTargetObject() const { return targetObject; }
  const Handle<Kinematic>& GetTargetKinematic() const { return target_; }
  const Handle<Kinematic>& GetCharacter() const { return character; }

protected:
  // `className` names the controller in its diagnostics and allocation failures.
  EnemyController(std::uint32_t typeId, const char* className);
  EnemyController& operator=(const EnemyController&) = default;

  // The owner's AimingModule into `aiming` (reported when missing).
  void FindAiming();
  // The private target kinematic; a failed allocation is fatal.
  void AllocateTarget();
  void ReleaseTarget() { target_.Release(); }
  // The Agent's kinematic into `character` (reported when missing).
  void BindCharacter();

  void RefreshTarget();
  void MirrorTarget();
  // For a Seek of the mirrored target by an enemy that cannot see it: inside a ship, its place
  // becomes a corner on the way round the walls, or the enemy's own while no way leads there
  // (Detour), so the enemy neither presses into a wall or a shut door nor shoots into it.
  void HeadRoundWalls(float dt);
  // The target is in sight again: the next detour looks its route up afresh.
  void ForgetDetour() { detour.Forget(); }
  // The owner's Equipment, reported once when missing.
  Equipment* FindEquipment();
  bool IsArmed();
  void AskForWeapon();
  void FireWeapon();
  void SendSteering();
  // Within ArrivalGap of the target's body, limits `steering` towards it so that the owner arrives
  // at its side and stops there.
  void KeepOffTarget();
  // The Health's hitpoints read the dead value and stay there.
  void MarkDead();
  // The last step of a death, after the controller stopped.
  virtual void OnDied() {}

  const char* className;
  Transient<LivePointer<AimingModule>> aiming;
  bool dead = false;
  SteeringOutput steering;
  Transient<Handle<Kinematic>> character;
  Transient<Handle<Kinematic>> target_;
  Transient<Handle<GameObject>> targetObject;

private:
  Transient<Detour> detour;
  MissingSiblingWarning missingAgent;
  MissingSiblingWarning missingAiming;
  MissingSiblingWarning missingEquipment;
  MissingSiblingWarning missingHealth;
};
