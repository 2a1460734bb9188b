#include "object/Spawning.h"

#include "core/Log.h"
#include "object/GameobjectFactory.h"

bool CanSpawn(const std::string& prefab)
{
  const GameobjectFactory* factory = GameobjectFactory::Instance();
  if (factory == nullptr)
    return false;
  if (!factory->HasPrefab(prefab))
  {
    LogOnce("Spawn " + prefab, LogLevel::Error, "There is no prefab \"", prefab, "\" to make; nothing is made.");
    return false;
  }
  return true;
}

namespace
{
// The factory, when it can make that prefab in the space; null otherwise.
GameobjectFactory* FactoryFor(const std::string& prefab, const Space* space)
{
  return space != nullptr && CanSpawn(prefab) ? GameobjectFactory::Instance() : nullptr;
}
}  // namespace

Handle<GameObject> SpawnAt(const std::string& prefab, Space* space, glm::vec2 position, const std::string& name)
{
  Handle<GameObject> object;
  if (GameobjectFactory* factory = FactoryFor(prefab, space))
    factory->CreateGameObjectAt(object, prefab, space, position.x, position.y, name);
  return object;
}

Handle<GameObject> Spawn(const std::string& prefab, Space* space, const std::string& name)
{
  Handle<GameObject> object;
  if (GameobjectFactory* factory = FactoryFor(prefab, space))
    factory->CreateGameObject(object, prefab, space, name);
  return object;
}
