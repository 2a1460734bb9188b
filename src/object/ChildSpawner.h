#pragma once
// Lets a prefab bring other prefabs with it: when its object wakes, it creates one object per
// entry, places it at the entry's offset from its own object and parents it there; when its
// object is destroyed, the children still alive are destroyed with it. It belongs in prefab
// files only; level files never store it.
#include "core/Handle.h"
#include "object/Component.h"
#include "object/MemberJson.h"

#include <string>
#include <vector>

class GameObject;
class GameObjectDestroyedEvent;

class ChildSpawner : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_ChildSpawner;

  ChildSpawner() : Component(TypeId) {}
  ~ChildSpawner() override = default;
  ChildSpawner& operator=(const ChildSpawner&) = default;

  void OnAwake() override;
  void GetMembers(std::vector<MemberBase*>& members) override;

  // Its own object is being destroyed: every child still alive gets the same request.
  void On(GameObjectDestroyedEvent* event);

  const SpawnList& GetObjectsToSpawn() const { return objectsToSpawn; }
  void SetObjectsToSpawn(SpawnList list) { objectsToSpawn = std::move(list); }
  const std::vector<Handle<GameObject>>& GetSpawnedChildren() const { return spawnedChildren; }

private:
  void SpawnChildren();

  SpawnList objectsToSpawn;
  Transient<std::vector<Handle<GameObject>>> spawnedChildren;
};
