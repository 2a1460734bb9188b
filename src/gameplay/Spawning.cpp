#include "gameplay/Spawning.h"

#include "object/GameobjectFactory.h"

#include <iostream>
#include <set>

Handle<GameObject> SpawnAt(const std::string& prefab, Space* space, glm::vec2 position, const std::string& name)
{
  Handle<GameObject> object;
  GameobjectFactory* factory = GameobjectFactory::Instance();
  if (factory == nullptr || space == nullptr)
    return object;
  if (!factory->HasPrefab(prefab))
  {
    static std::set<std::string> reported;
    if (reported.insert(prefab).second)
      std::cout << "[ERROR] There is no prefab \"" << prefab << "\" to make; nothing is made." << std::endl;
    return object;
  }
  factory->CreateGameObjectAt(object, prefab, space, position.x, position.y, name);
  return object;
}
