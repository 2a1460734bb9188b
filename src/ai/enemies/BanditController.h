#pragma once
// Drives a bandit: an armed enemy that walks about in steps until it sees its nearest opponent,
// then fights it, keeping its distance, facing it and firing its primary weapon every update.
//
//   "Wandering"  Separation from allies (3, within 250), StepWander (5), AlignToMovement (1),
//                ObstacleAvoidance (5)
//   "Combat"     Separation from allies (4, within 100), Separation from opponents (1, within
//                600), Face (1) and Seek (8) the target, ObstacleAvoidance (20)
//
// It turns slowly: waking files a modifier on the Agent's maximum rotation that cuts it to a fifth.
// The Agent's stored limit stays as written, so saving and loading the object keeps it; the
// modifier is this live object's own and ends with it.
// It needs an Agent, an AimingModule, an Equipment and a Health beside it.
#include "steering/Motivator.h"
#include "ai/enemies/WanderChaseController.h"

class BanditController : public WanderChaseController
{
public:
  static constexpr std::uint32_t TypeId = COMP_BanditController;
  static constexpr float RotationCut = 5.0f;

  BanditController();
  ~BanditController() override;
  BanditController& operator=(const BanditController&) = default;

  void Synchronize() override;
  void OnDestroy() override;

protected:
  // `className` and `chaseStateName` for a kind that fights as a bandit does.
  BanditController(std::uint32_t typeId, const char* className, const char* chaseStateName);

  void BuildBlends() override;
  // The wander blend's walk; a bandit walks in steps.
  virtual void AddWalk();

private:
  Transient<Handle<MotivatorModifier>> rotationCut;
};
