#include "ai/enemies/AIController.h"

#include "core/Send.h"
#include "gameplay/LevelEvents.h"
#include "gameplay/items/Equipment.h"
#include "gameplay/items/ItemEvents.h"
#include "object/GameObject.h"
#include "platform/Random.h"

namespace
{
// UseEvent's flags as the AI sends them: not a fresh press, and re-armed for guns that fire once
// per press.
constexpr bool FreshPress = false;
constexpr bool Rearm = true;
// One in this many updates, a wandering enemy fires its weapon anyway.
constexpr int StrayShotOdds = 500;
// It keeps far from the ones it chases and wanders as it closes in.
constexpr GroundEnemyController::Design Basic{false, true, 15.0f, 600.0f};
}  // namespace

AIController::AIController() : GroundEnemyController(TypeId, "AIController", Basic) {}

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
