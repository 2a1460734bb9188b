#include "object/ChildSpawner.h"

#include "core/EventManager.h"
#include "core/Log.h"
#include "core/Send.h"
#include "object/GameObject.h"
#include "object/GameobjectFactory.h"
#include "object/Members.h"
#include "object/ObjectEvents.h"
#include "object/Space.h"
#include "object/Transform.h"

#include <algorithm>

namespace
{
// Prefabs whose children are being spawned right now, outermost first. A prefab that appears
// again would spawn itself for ever, directly or through others.
std::vector<std::string> prefabsSpawning;

class SpawningScope
{
public:
  explicit SpawningScope(const std::string& prefab) { prefabsSpawning.push_back(prefab); }
  ~SpawningScope() { prefabsSpawning.pop_back(); }
  SpawningScope(const SpawningScope&) = delete;
  SpawningScope& operator=(const SpawningScope&) = delete;
};

bool IsSpawning(const std::string& prefab)
{
  return std::find(prefabsSpawning.begin(), prefabsSpawning.end(), prefab) != prefabsSpawning.end();
}

std::string SpawnChain(const std::string& last)
{
  std::string chain;
  for (const std::string& prefab : prefabsSpawning)
    chain += prefab + " -> ";
  return chain + last;
}
}  // namespace

void ChildSpawner::GetMembers(std::vector<MemberBase*>& members)
{
  Members::AddMember(members, "objects to spawn", &objectsToSpawn, nullptr, SpawnList());
}

void ChildSpawner::OnAwake()
{
  SpawnChildren();
  SubscribeOnOwner<GameObjectDestroyedEvent>(this);
}

void ChildSpawner::SpawnChildren()
{
  GameobjectFactory* factory = GameobjectFactory::Instance();
  GameObject* owner = GetGameObject();
  if (factory == nullptr || owner == nullptr || objectsToSpawn.empty())
    return;
  const Handle<GameObject> ownerHandle = GetOwner();
  const std::string ownerName = owner->GetName();
  Space* space = owner->GetSpace();
  const SpawningScope scope(owner->GetPrefabName());
  // Copied: a child's waking must not be able to pull the list from under the loop.
  const SpawnList entries = objectsToSpawn;
  for (const auto& [prefab, offset] : entries)
  {
    if (IsSpawning(prefab))
    {
      LogError("The prefab \"", prefab, "\" would spawn itself (", SpawnChain(prefab), "); that child is not spawned.");
      continue;
    }
    Handle<GameObject> child;
    factory->CreateGameObject(child, prefab, space, ownerName + "'s " + prefab);
    GameObject* created = child.Get();
    if (created == nullptr)
      continue;
    spawnedChildren.push_back(child);
    if (EventManager* manager = EventManager::Instance(); manager != nullptr && space != nullptr)
      manager->Subscribe<Space, GameObjectDestroyedEvent>(space, created->GetId());
    // The child's waking may have ended the owner; then it stays where its prefab put it.
    GameObject* liveOwner = ownerHandle.Get();
    Transform* ownerTransform = liveOwner != nullptr ? liveOwner->GetTransform() : nullptr;
    Transform* childTransform = created->GetTransform();
    if (ownerTransform == nullptr || childTransform == nullptr)
      continue;
    const glm::vec2 place = ownerTransform->GetWorldPosition() + offset;
    childTransform->SetWorldPosition(place.x, place.y);
    childTransform->SetParent(ownerTransform);
  }
}

void ChildSpawner::On(GameObjectDestroyedEvent*)
{
  for (const Handle<GameObject>& child : spawnedChildren)
  {
    const GameObject* alive = child.Get();
    if (alive == nullptr)
      continue;
    Queue<GameObjectDestroyedEvent>(BRINDLE_SITE, alive->GetId(), child);
  }
}
