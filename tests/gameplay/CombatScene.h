#pragma once
// A windowless session with the shipped prefabs and a registry, one live space ("Range") to fight
// in, and frames run as the game loop runs them: the space's physics, then the session's update
// events with their queue passes. A recorder logs the events a test watches, in delivery order.
#include "app/GameSessionTestEnvironment.h"
#include "core/Listener.h"
#include "gameplay/GameplayEvents.h"
#include "object/FrameEvents.h"
#include "object/ObjectEvents.h"
#include "object/GameObject.h"
#include "object/Registry.h"
#include "object/Transform.h"
#include "render/CameraEvents.h"
#include "support/CapturedLog.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

class CombatRecorder : public Listener
{
public:
  CombatRecorder() : Listener(EventManager::Instance()->GetNewListenerId()) {}

  template <typename E>
  void Watch(std::uint32_t channel, const std::string& name)
  {
    names[channel] = name;
    EventManager::Instance()->Subscribe<CombatRecorder, E>(this, channel);
  }

  void On(DiedEvent* event) { Add("died", event); }
  void On(ReloadStart* event) { Add("reload start", event); }
  void On(ReloadEnd* event) { Add("reload end", event); }
  void On(EquipEvent* event) { Add("equip", event); }
  void On(DequipEvent* event) { Add("dequip", event); }
  void On(TeamChangeEvent* event) { Add("team " + std::to_string(event->team), event); }
  void On(ShakeEvent* event) { Add("shake " + std::to_string(event->intensity).substr(0, 4), event); }
  void On(GameObjectDestroyedEvent* event) { Add("destroyed", event); }
  void On(HealthChangedEvent* event)
  {
    const auto text = [](float value) { return std::to_string(static_cast<int>(value)); };
    Add(text(event->previousHitpoints) + "->" + text(event->newHitpoints) + "/" + text(event->maxHitpoints), event);
  }

  // What a controller would do in the space's update, after the physics and before the queue.
  void On(UpdateEvent*)
  {
    if (duringUpdate)
      duringUpdate();
  }

  std::vector<std::string> TakeLog() { return std::exchange(log, {}); }

  std::function<void()> duringUpdate;

  std::map<std::uint32_t, std::string> names;
  std::vector<std::string> log;

private:
  void Add(const std::string& what, Event* event) { log.push_back(names[event->GetChannel()] + " " + what); }
};

class CombatScene : public GameSessionTest
{
protected:
  static constexpr float Dt = 1.0f / 60.0f;

  CombatScene() : registry(new Registry())
  {
    Registry::SetInstance(registry.get());
    space = LiveSpace("Range");
    EventManager::Instance()->Subscribe<CombatRecorder, UpdateEvent>(&recorder, space->GetId());
  }

  ~CombatScene() override
  {
    session->UnloadAllSpaces();
    Registry::SetInstance(nullptr);
  }

  Handle<GameObject> Make(const std::string& prefab, glm::vec2 position = {0.0f, 0.0f}, const std::string& name = "")
  {
    Handle<GameObject> object;
    session->GetFactory().CreateGameObjectAt(object, prefab, space, position.x, position.y,
                                             name.empty() ? prefab : name);
    return object;
  }

  // A prefab of the test's own, from its JSON definition.
  void Define(const std::string& prefab, const std::string& json)
  {
    Json::Value definition;
    ASSERT_TRUE(Json::Reader().parse(json, definition)) << json;
    session->GetFactory().DefinePrefab(prefab, definition, "test");
  }

  void Frames(int count, float dt = Dt)
  {
    for (int frame = 0; frame < count; ++frame)
    {
      session->ManageSpaces();
      space->GetPhysics().Update(dt);
      session->DispatchUpdateEvents(dt);
    }
  }

  template <typename T>
  static T* Get(const Handle<GameObject>& object)
  {
    return object ? object->GetComponent<T>() : nullptr;
  }

  static glm::vec2 PositionOf(const Handle<GameObject>& object)
  {
    return object->GetTransform()->GetWorldPosition();
  }

  CapturedLog output;
  std::unique_ptr<Registry> registry;
  Space* space = nullptr;
  CombatRecorder recorder;
};
