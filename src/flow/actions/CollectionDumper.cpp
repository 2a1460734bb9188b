#include "flow/actions/CollectionDumper.h"

#include "core/Event.h"
#include "core/Send.h"
#include "flow/actions/ActionSystem.h"
#include "gameplay/LevelEvents.h"
#include "input/InputActionMap.h"
#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/GameobjectFactory.h"
#include "object/Members.h"
#include "object/ObjectEvents.h"
#include "object/Registry.h"
#include "object/Transform.h"
#include "platform/Random.h"

namespace
{
constexpr std::size_t ObjectsPerEntry = 5;
}

void CollectionDumper::OnAwake()
{
  if (Registry* registry = Registry::Instance())
  {
    std::vector<CollectionEntry>& collected = registry->GetDataBoard().GetCollectedItems();
    entries = std::move(collected);
    collected.clear();
  }
  SubscribeOnSpace<UpdateEvent>(this);
  GameObject* owner = GetGameObject();
  EventManager* events = EventManager::Instance();
  if (owner != nullptr && events != nullptr)
    if (GameobjectFactory* factory = GameobjectFactory::Instance())
      events->Subscribe<GameobjectFactory, MakeGameObjectEvent>(factory, owner->GetId());
  if (owner != nullptr)
    if (auto* actions = ActionSystem::ActionSystem::Instance())
      actions->AddSetter(GetOwner(), owner->GetTransform(),
                         [](Transform& transform, const glm::vec2& at) { transform.SetWorldPosition(at.x, at.y); },
                         owner->GetTransform()->GetWorldPosition(), glm::vec2(0.0f, 500.0f), timer);
  sound.SetEvent("event:/SFX/EndLootCount");
}

void CollectionDumper::OnDestroy()
{
  Registry* registry = Registry::Instance();
  if (registry == nullptr)
    return;
  DataBoard& board = registry->GetDataBoard();
  board.GetCollectedItems().clear();
  board.SetSecondaryItem("");
  board.SetPrimaryItem("");
  board.SetSpecialItem("");
}

void CollectionDumper::GetMembers(std::vector<MemberBase*>& members)
{
  Members::AddMember(members, "MOAR TRESURE", &moreTreasure, RenderBool, false);
  Members::AddMember(members, "loadMainMenu", &loadMainMenu, RenderBool, false);
}

void CollectionDumper::On(UpdateEvent* event)
{
  timer -= event->dt;
  if (moreTreasure)
  {
    for (int round = 0; round < 10; ++round)
      for (const char* prefab : {"EN_Loot_Large", "EN_Loot_Medium", "EN_Loot_Small"})
        entries.push_back({"loot", prefab, 0, 0});
    moreTreasure = false;
  }
  EventManager* events = EventManager::Instance();
  if (loadMainMenu)
  {
    SendNow<StartUtilityEvent>(BRINDLE_SITE, LevelTransitionChannel, "introlevel");
    return;
  }
  if (timer >= 0.0f)
    return;
  if (!soundStarted)
  {
    soundStarted = true;
    sound.Play();
  }
  timer = 0.1f;
  GameObject* owner = GetGameObject();
  if (nextEntry < entries.size())
  {
    if (owner != nullptr && events != nullptr)
    {
      const glm::vec2 at = owner->GetTransform()->GetWorldPosition();
      for (std::size_t piece = 0; piece < ObjectsPerEntry; ++piece)
      {
        const float velocityX = static_cast<float>(Random() % 160 - 80);
        const float offsetX = static_cast<float>(Random() % 800 - 400);
        Queue<MakeGameObjectEvent>(BRINDLE_SITE, owner->GetId(), GetSpace(), entries[nextEntry].prefab.c_str(),
                                   at.x + offsetX, at.y, velocityX, -1000.0f);
      }
    }
    ++nextEntry;
    return;
  }
  sound.Stop();
  InputActionMap* input = InputActionMap::Instance();
  if (input != nullptr && (input->IsActionActive(0, ACTION_ANY_KEYBOARD_MOUSE) || input->IsActionActive(0, ACTION_ANY_CONTROLLER)))
    loadMainMenu = true;
}
