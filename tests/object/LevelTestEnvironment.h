#pragma once
// What level, prefab and registry tests run in: the object-model environment plus a factory with
// every built component type, a registry, and one space, all published as the session does.
#include "app/AllComponents.h"
#include "object/GameobjectFactory.h"
#include "object/ObjectEvents.h"
#include "object/ObjectTestEnvironment.h"
#include "object/PrefabFiles.h"
#include "object/Registry.h"
#include "object/Space.h"
#include "object/Transform.h"

#include <json/json.h>
#include <memory>
#include <string>

class LevelTest : public ObjectTest
{
protected:
  LevelTest()
  {
    GameobjectFactory::SetInstance(&factory);
    Registry::SetInstance(&registry);
    factory.SetComponentRegistrar(RegisterAllComponents);
    factory.Initialize();
  }

  // Members go in reverse order: the space's objects leave the registry before it goes.
  GameobjectFactory factory;
  Registry registry;
  std::unique_ptr<Space> space = std::make_unique<Space>("main");

  static Json::Value Parsed(const std::string& text)
  {
    Json::Value value;
    Json::Reader().parse(text, value);
    return value;
  }

  void Define(const std::string& prefab, const std::string& definition)
  {
    factory.DefinePrefab(prefab, Parsed(definition), "test");
  }

  // The prefabs the game ships.
  void LoadShippedPrefabs()
  {
    PrefabFiles().Install(factory);
    factory.ReLoadPrefabs();
  }

  Handle<GameObject> Find(Space& where, const std::string& name)
  {
    const auto found = where.FindObjectByName(name);
    return found == where.ObjectsEnd() ? Handle<GameObject>() : found->second;
  }

  // Destroys an object the way components do: the space listens on its id, the request is queued.
  // The space hears its own cleanup requests once it has loaded a level; subscribed here as that does.
  void RequestDestruction(const Handle<GameObject>& object)
  {
    events->Subscribe<Space, GameObjectCleanupEvent>(object->GetSpace(), object->GetSpace()->GetId());
    events->Subscribe<Space, GameObjectDestroyedEvent>(object->GetSpace(), object->GetId());
    events->QueueEvent(MemoryManager::New<GameObjectDestroyedEvent>(BRINDLE_SITE, object->GetId(), object));
  }
};
