#include "ai/enemies/AIController.h"

#include "core/Send.h"
#include "gameplay/LevelEvents.h"
#include "gameplay/items/Equipment.h"
#include "gameplay/items/ItemEvents.h"
#include "object/GameObject.h"
#include "platform/Random.h"
#include "steering/behaviors/AlignToMovement.h"
#include "steering/behaviors/Face.h"
#include "steering/behaviors/ObstacleAvoidance.h"
#include "steering/behaviors/Seek.h"
#include "steering/behaviors/Separation.h"
#include "steering/behaviors/Wander.h"
#include "steering/behaviors/Zoning.h"

namespace
{
// UseEvent's flags as the AI sends them: not a fresh press, and re-armed for guns that fire once
// per press.
constexpr bool FreshPress = false;
constexpr bool Rearm = true;
// One in this many updates, a wandering enemy fires its weapon anyway.
constexpr int StrayShotOdds = 500;
}  // namespace

AIController::AIController() : WanderChaseController(TypeId, "AIController", "AIController", "Chasing", true) {}

void AIController::BuildBlends()
{
  wanderSeparation = wanderBlend->AddBehavior<Separation>(3.0f);
  wanderSeparation->threshold = 250.0f;
  wanderBlend->AddBehavior<Wander>(5.0f)->SetDebugDraw(true);
  wanderBlend->AddBehavior<Seek>(2.0f)->SetTarget(target_);
  wanderBlend->AddBehavior<AlignToMovement>(1.0f);
  wanderBlend->AddBehavior<ObstacleAvoidance>(10.0f)->SetDebugDraw(true);
  zoning = wanderBlend->AddBehavior<Zoning>(5.0f);

  allySeparation = chaseBlend->AddBehavior<Separation>(4.0f);
  allySeparation->threshold = 100.0f;
  opponentSeparation = chaseBlend->AddBehavior<Separation>(15.0f);
  chaseBlend->AddBehavior<Wander>(1.0f)->SetDebugDraw(true);
  chaseBlend->AddBehavior<Face>(1.0f)->SetTarget(target_);
  chaseBlend->AddBehavior<Seek>(8.0f)->SetTarget(target_);
  chaseBlend->AddBehavior<ObstacleAvoidance>(20.0f)->SetDebugDraw(true);
}

void AIController::FireInChase()
{
  if (SlotHoldsItem(0))
    Use(0);
  if (SlotHoldsItem(1))
    Use(1);
}

void AIController::AfterSteering()
{
  if (SlotHoldsItem(0) && Random() % StrayShotOdds == 0)
    Use(0);
}

void AIController::OnDied()
{
  Queue<StartUtilityEvent>(BRINDLE_SITE, LevelTransitionChannel, std::string(DeathLevel));
}

bool AIController::SlotHoldsItem(std::uint32_t slot)
{
  const Equipment* equipment = FindEquipment();
  return equipment != nullptr && equipment->GetSlot(slot).IsValid();
}

void AIController::Use(std::uint32_t slot)
{
  if (const GameObject* object = GetGameObject())
    SendNow<UseEvent>(BRINDLE_SITE, object->GetId(), FreshPress, slot, Rearm);
}
