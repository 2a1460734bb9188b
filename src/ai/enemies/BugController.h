#pragma once
// Drives a bug: see GroundEnemyController. It walks in steps, and while chasing it holds off at
// about a thousand units from its opponents. It turns fast toward its target while its gun
// reloads and slowly once it has reloaded.
#include "ai/enemies/GroundEnemyController.h"

class ReloadEnd;
class ReloadStart;

class BugController : public GroundEnemyController
{
public:
  static constexpr std::uint32_t TypeId = COMP_BugController;
  static constexpr float ReloadingTurnTime = 0.005f;
  static constexpr float ReloadedTurnTime = 0.5f;

  using GroundEnemyController::On;

  BugController();

  void On(ReloadStart* event);
  void On(ReloadEnd* event);

protected:
  void SubscribeMore() override;
};
