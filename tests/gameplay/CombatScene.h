#pragma once
// A windowless session with the shipped prefabs and a registry, one live space ("Range") to fight
// in, and frames run as the game loop runs them: the space's physics, then the session's update
// events with their queue passes.
#include "CombatRecorder.h"
#include "app/GameSessionTestEnvironment.h"
#include "object/GameObject.h"
#include "object/Registry.h"
#include "object/Transform.h"
#include "physics/PhysicsModule.h"
#include "support/CapturedLog.h"

#include <string>

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
      PhysicsModule::Of(space)->Update(dt);
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
