#pragma once
// What level, prefab and registry tests run in: the engine with a registry and a factory of its own
// with every built component type (support/ScopedEngine), and one space.
#include "object/GameobjectFactory.h"
#include "object/ObjectEvents.h"
#include "object/PrefabFiles.h"
#include "object/Registry.h"
#include "object/Space.h"
#include "object/Transform.h"
#include "support/HandMadeObjects.h"
#include "support/ScopedEngine.h"

#include <json/json.h>
#include <memory>
#include <string>

class LevelTest : public EngineTestWith<ScopedEngine::WithRegistry | ScopedEngine::WithFactory>
{
protected:
  GameobjectFactory& factory = Factory();
  Registry& registry = *ScopedEngine::registry;
  // It goes before the engine: its objects leave the registry while there is one.
  std::unique_ptr<Space> space = std::make_unique<Space>("main");

  // The prefabs the game ships.
  void LoadShippedPrefabs()
  {
    PrefabFiles().Install(factory);
    factory.ReLoadPrefabs();
  }

  using EngineTest::Find;
  static Handle<GameObject> Find(Space& where, const std::string& name) { return EngineTest::Find(&where, name); }

  // Destroys an object the way components do: the space listens on its id, the request is queued.
  // The space hears its own cleanup requests once it has loaded a level; subscribed here as that does.
  void RequestDestruction(const Handle<GameObject>& object)
  {
    events->Subscribe<Space, GameObjectCleanupEvent>(object->GetSpace(), object->GetSpace()->GetId());
    events->Subscribe<Space, GameObjectDestroyedEvent>(object->GetSpace(), object->GetId());
    events->QueueEvent(MemoryManager::New<GameObjectDestroyedEvent>(BRINDLE_SITE, object->GetId(), object));
  }
};
