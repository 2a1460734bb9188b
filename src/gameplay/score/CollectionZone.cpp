#include "gameplay/score/CollectionZone.h"

#include "core/Send.h"
#include "object/GameObject.h"
#include "object/GameobjectFactory.h"
#include "object/ObjectEvents.h"
#include "object/Registry.h"
#include "object/Space.h"
#include "object/Transform.h"
#include "physics/CollisionGroup.h"
#include "physics/PhysicsEvents.h"
#include "physics/Rigidbody.h"
#include "render/Sprite.h"

#include <algorithm>
#include <glm/geometric.hpp>

void CollectionZone::OnAwake()
{
  GameObject* owner = GetGameObject();
  EventManager* events = EventManager::Instance();
  if (owner != nullptr && events != nullptr)
  {
    if (Registry* registry = Registry::Instance())
      events->Subscribe<DataBoard, CollectionEvent>(&registry->GetDataBoard(), owner->GetId());
    if (GameobjectFactory* factory = GameobjectFactory::Instance())
      events->Subscribe<GameobjectFactory, MakeGameObjectEvent>(factory, owner->GetId());
  }
  SubscribeOnOwner<CollisionEvent>(this);
}

void CollectionZone::On(CollisionEvent* event)
{
  GameObject* owner = GetGameObject();
  GameObject* item = event->other.Get();
  if (owner == nullptr || item == nullptr || event->otherGroup != static_cast<std::uint32_t>(CollisionGroup::ITEMS))
    return;
  taken.erase(std::remove_if(taken.begin(), taken.end(), [](const Handle<GameObject>& gone) { return !gone; }),
              taken.end());
  if (std::find(taken.begin(), taken.end(), event->other) != taken.end())
    return;
  if (Sprite* sprite = item->GetComponent<Sprite>())
    sprite->SetColor(0.1f, 1.0f, 0.6f, 0.9f);
  const glm::vec2 centre = owner->GetTransform()->GetWorldPosition();
  const glm::vec2 at = item->GetTransform()->GetWorldPosition();
  if (glm::distance(centre, at) >= CollectDistance)
  {
    if (auto* body = item->GetComponent<Rigidbody>())
      body->AddForce(centre.x - at.x, centre.y - at.y);
    return;
  }
  EventManager* events = EventManager::Instance();
  Space* space = GetSpace();
  if (events == nullptr || space == nullptr)
    return;
  SendNow<CollectionEvent>(BRINDLE_SITE, owner->GetId(), CollectionEntry{item->GetName(), item->GetPrefabName(), 0, 0});
  const Handle<GameObject> collected = event->other;
  taken.push_back(collected);
  events->Subscribe<Space, GameObjectDestroyedEvent>(space, collected->GetId());
  SendNow<GameObjectDestroyedEvent>(BRINDLE_SITE, collected->GetId(), collected);
}
