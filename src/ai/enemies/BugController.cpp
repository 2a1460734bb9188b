#include "ai/enemies/BugController.h"

#include "gameplay/weapons/WeaponEvents.h"
#include "steering/behaviors/Face.h"

namespace
{
constexpr GroundEnemyController::Design Bug{true, false, 15.0f, 1000.0f};
}

BugController::BugController() : GroundEnemyController(TypeId, "BugController", Bug) {}

void BugController::SubscribeMore()
{
  SubscribeOnOwner<ReloadStart>(this);
  SubscribeOnOwner<ReloadEnd>(this);
}

void BugController::On(ReloadStart*)
{
  if (face != nullptr)
    face->timeToTarget = ReloadingTurnTime;
}

void BugController::On(ReloadEnd*)
{
  if (face != nullptr)
    face->timeToTarget = ReloadedTurnTime;
}
