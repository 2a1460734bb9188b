#include "object/Removal.h"

#include "core/Send.h"
#include "object/GameObject.h"
#include "object/ObjectEvents.h"
#include "object/Space.h"

void QueueRemoval(const Handle<GameObject>& object)
{
  EventManager* manager = EventManager::Instance();
  GameObject* target = object.Get();
  if (manager == nullptr || target == nullptr)
    return;
  if (Space* space = target->GetSpace())
    manager->Subscribe<Space, GameObjectDestroyedEvent>(space, target->GetId());
  Queue<GameObjectDestroyedEvent>(BRINDLE_SITE, target->GetId(), object);
}
