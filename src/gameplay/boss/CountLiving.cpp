#include "gameplay/boss/CountLiving.h"

#include "gameplay/combat/Health.h"
#include "object/GameObject.h"
#include "object/Space.h"

#include <algorithm>

int CountLiving(const Space& space, const std::vector<std::string_view>& prefabs,
                int (*countsFor)(const GameObject&))
{
  int count = 0;
  for (const auto& [id, handle] : space.GetObjectsById())
  {
    const GameObject* object = handle.Get();
    if (object == nullptr || std::find(prefabs.begin(), prefabs.end(), object->GetPrefabName()) == prefabs.end())
      continue;
    const Health* health = object->GetComponent<Health>();
    if (health == nullptr || health->IsAlive())
      count += countsFor != nullptr ? countsFor(*object) : 1;
  }
  return count;
}
