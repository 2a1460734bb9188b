#include "gameplay/Spawning.h"

#include "core/Log.h"
#include "object/GameobjectFactory.h"

Handle<GameObject> SpawnAt(const std::string& prefab, Space* space, glm::vec2 position, const std::string& name)
{
  Handle<GameObject> object;
  GameobjectFactory* factory = GameobjectFactory::Instance();
  if (factory == nullptr || space == nullptr)
    return object;
  if (!factory->HasPrefab(prefab))
  {
    LogOnce("Spawn " + prefab, LogLevel::Error, "There is no prefab \"", prefab, "\" to make; nothing is made.");
    return object;
  }
  factory->CreateGameObjectAt(object, prefab, space, position.x, position.y, name);
  return object;
}
