#pragma once
// Drives a drone released by a drone carrier. It has no states: every update it steers at the
// nearest opponent (keeping 64 units from other drones, facing the target), straight while it sees
// it and round the ship's walls while it does not (EnemyController::HeadRoundWalls), fires the
// weapon in its first slot at an opponent it sees, and whenever it touches an object of another team it strikes it
// for damageOnHit_, at most once per damageCooldownLength_ seconds, leaving an impact halfway
// between the two; until it may strike again it closes in no further than its target's side
// (EnemyController::KeepOffTarget). Dead, it stops steering and firing (a touch still strikes) and goes when its
// death animation ends.
//
// It needs an Agent, an AimingModule, a Team and a Health beside it; an Equipment to fire.
#include "steering/BlendedSteering.h"
#include "ai/enemies/EnemyController.h"

#include <memory>

class CollisionEvent;
class Separation;
class UpdateEvent;

class DroneSpawnController : public EnemyController
{
public:
  static constexpr std::uint32_t TypeId = COMP_DroneSpawnController;
  static constexpr const char* ImpactPrefab = "BulletImpact";

  using EnemyController::On;

  DroneSpawnController();
  DroneSpawnController& operator=(const DroneSpawnController&) = default;

  void OnAwake() override;
  void Synchronize() override;
  void OnDestroy() override;
  void GetMembers(std::vector<MemberBase*>& members) override;

  void On(UpdateEvent* event);
  void On(CollisionEvent* event);

  float GetDamageCooldown() const { return damageCooldown; }

private:
  Transient<std::unique_ptr<BlendedSteering>> blend;
  Transient<Separation*> allySeparation = nullptr;
  float damageOnHit = 0.5f;
  float damageCooldownLength = 1.0f;
  float damageCooldown = 0.0f;
};
