#include "flow/level/LevelManager.h"

#include "audio/SoundEvents.h"
#include "core/Send.h"
#include "flow/FlowEvents.h"
#include "flow/level/LevelSpaces.h"
#include "gameplay/LevelEvents.h"
#include "gameplay/boss/BossEvents.h"
#include "gameplay/combat/CombatEvents.h"
#include "gameplay/items/Equipment.h"
#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/Registry.h"
#include "object/Space.h"
#include "object/SpaceNames.h"
#include "physics/PhysicsEvents.h"
#include "platform/Assert.h"
#include "render/CameraEvents.h"

namespace
{
constexpr const char* EndScreen = "endscreen";
}

void LevelManager::OnAwake()
{
  ShowLevel(SpaceNames::Admin, "admin");
  SubscribeOnSpace<DiedEvent>(this);
  SubscribeOnSpace<ShipAttackedEvent>(this);
  SubscribeOnSpace<CorvaExitEvent>(this);
  SubscribeOnSpace<BossWinEvent>(this);
  SubscribeOnSpace<ReturnToOverworldEvent>(this);
  SubscribeOnSpace<UpdateEvent>(this);
}

void LevelManager::On(ReturnToOverworldEvent*)
{
  if (Space* space = GetSpace())
    hold.Begin(*space);
}

void LevelManager::On(UpdateEvent* event)
{
  Space* space = GetSpace();
  if (space == nullptr)
    return;
  signpost.Update(*space, event->dt);
  hold.Update(*space, event->dt);
}

void LevelManager::GoToEndScreen()
{
  SendNow<StartUtilityEvent>(BRINDLE_SITE, LevelTransitionChannel, EndScreen);
  if (Space* space = GetSpace())
    space->MarkForRemoval();
}

void LevelManager::On(DiedEvent*)
{
  if (!LevelExists(EndScreen, "LevelManager (the run is lost)"))
    return;
  if (Registry* registry = Registry::Instance())
    registry->GetDataBoard().GetCollectedItems().clear();
  SendNow<FadeInto>(BRINDLE_SITE, SoundSystemChannel, "event:/Music/Credits");
  GoToEndScreen();
}

void LevelManager::On(BossWinEvent*)
{
  if (!LevelExists(EndScreen, "LevelManager (the run is won)"))
    return;
  SendNow<CueTransition>(BRINDLE_SITE, SoundSystemChannel, "event:/Music/Win!");
  GoToEndScreen();
}

void LevelManager::On(ShipAttackedEvent* event)
{
  Space* space = GetSpace();
  if (space == nullptr || !LevelExists(event->level, "LevelManager (a ship was rammed)"))
    return;
  hold.Begin(*space);
  const std::uint32_t channel = space->GetId();
  Queue<ResizeBoundary>(BRINDLE_SITE, channel, 7000.0f, 5000.0f, glm::vec2(0.0f, 0.0f));
  // The encounter starts inside this call: this space, the overworld, is paused and hidden, and
  // what follows reaches its boundary and camera for the way back.
  SendNow<StartEncounterEvent>(BRINDLE_SITE, LevelTransitionChannel, event->level, event->faction);
  Queue<SetZoom>(BRINDLE_SITE, channel, 5.0f, 0.6f);
  SendNow<CameraMoveTo>(BRINDLE_SITE, channel, glm::vec2(0.0f, 0.0f));
}

GameObject* LevelManager::FindPlayer() const
{
  Registry* registry = Registry::Instance();
  const Space* space = GetSpace();
  if (registry == nullptr || space == nullptr)
    return nullptr;
  GameObject* player = nullptr;
  for (const Handle<GameObject>& entry : registry->GetObjects(RegistryType::PLAYERS))
  {
    // Entries of objects that are gone are skipped.
    if (GameObject* object = entry.Get(); object != nullptr && object->GetSpace() == space)
      player = object;
  }
  return player;
}

void LevelManager::CarryItems(const GameObject& player)
{
  const Equipment* equipment = player.GetComponent<Equipment>();
  Registry* registry = Registry::Instance();
  if (equipment == nullptr || registry == nullptr)
    return;
  DataBoard& board = registry->GetDataBoard();
  // The prefab name of the slot's item, or nothing for an empty slot.
  auto itemIn = [equipment](std::uint32_t slot) {
    const Handle<GameObject> item = equipment->GetSlot(slot);
    return item.IsValid() ? item->GetPrefabName() : std::string();
  };
  if (const std::string primary = itemIn(0); !primary.empty())
    board.SetPrimaryItem(primary);
  if (const std::string secondary = itemIn(1); !secondary.empty())
    board.SetSecondaryItem(secondary);
  if (const std::string special = itemIn(Equipment::SpecialSlot); !special.empty())
    board.SetSpecialItem(special);
}

void LevelManager::On(CorvaExitEvent*)
{
  GameObject* player = FindPlayer();
  if (player == nullptr)
  {
    Assert("player doesn't exist", __LINE__, __FILE__, "LevelManager::On");
    return;
  }
  const Space* space = GetSpace();
  const bool fromTutorial = space != nullptr && space->GetName() == "tutorial";
  if (fromTutorial && !LevelExists("introlevel", "LevelManager (leaving the tutorial)"))
    return;
  CarryItems(*player);
  SendNow<CueTransition>(BRINDLE_SITE, SoundSystemChannel, "event:/Music/AmbientTracks", "event:/Music/Win!");
  if (fromTutorial)
    SendNow<StartUtilityEvent>(BRINDLE_SITE, LevelTransitionChannel, "introlevel");
  else
    SendNow<ReturnToOverworldEvent>(BRINDLE_SITE, LevelTransitionChannel);
}
