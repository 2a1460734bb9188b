#pragma once
// The basic enemy's brain: a walking enemy (the ground enemies' two blends) that wanders until it sees its nearest
// target and then chases and shoots it, steering through two weighted blends.
//
//   state        update action   leaves for    when
//   "Wandering"  WanderUpdate    "Chasing"     the aiming module can see the nearest target
//   "Chasing"    ChaseUpdate     "Wandering"   it cannot
//
// Wandering blends Separation from its allies (3, within 250), Wander (5), Seek toward the last
// place it saw a target (2), AlignToMovement (1), ObstacleAvoidance (10) and Zoning (5) around where
// it stood when it woke. Chasing blends Separation from allies (4, within 100) and from targets
// (15, within 600), Wander (1), Face (1) and Seek (8) the target, and ObstacleAvoidance (20).
// Each update it queues its steering to its Agent, asks its Equipment to pick up what it touches
// while its first slot is empty, and fires: on every update while chasing (both weapon slots),
// once in 500 updates otherwise. After its DiedEvent it does nothing more but drop its weapon and
// ask for the level of its death; DeathAnimationComplete ends the object.
//
// It sits beside an Agent, an AimingModule, an Equipment and a Health; without one of them the
// steps that need it are skipped, with a warning.
#include "ai/enemies/GroundEnemyController.h"

class AIController : public GroundEnemyController
{
public:
  static constexpr std::uint32_t TypeId = COMP_AIController;
  // The level its death asks for.
  static constexpr const char* DeathLevel = "brackwater";

  AIController();
  AIController& operator=(const AIController&) = default;

protected:
  // Both weapon slots, each that holds an item.
  void FireInChase() override;
  // The stray shot of a wandering enemy.
  void AfterSteering() override;
  void OnDied() override;

private:
  bool SlotHoldsItem(std::uint32_t slot);
  void Use(std::uint32_t slot);
};
