#include "gameplay/items/ItemDetector.h"

#include "core/Send.h"
#include "gameplay/items/Equippable.h"
#include "gameplay/items/ItemEvents.h"
#include "object/GameObject.h"
#include "physics/PhysicsEvents.h"

void ItemDetector::OnAwake()
{
  SubscribeOnOwner<CollisionEvent>(this);
}

void ItemDetector::On(CollisionEvent* event)
{
  GameObject* object = GetGameObject();
  if (object == nullptr)
    return;
  Equippable* equippable = event->other ? event->other->GetComponent<Equippable>() : nullptr;
  SendNow<TouchedItem>(BRINDLE_SITE, object->GetId(), event->other, equippable);
}
