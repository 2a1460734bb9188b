#include "gameplay/DestroyOnEncounter.h"

#include "gameplay/Dispatch.h"
#include "gameplay/GameplayEvents.h"
#include "object/GameObject.h"
#include "object/Space.h"
#include "object/ObjectEvents.h"

void DestroyOnEncounter::OnAwake()
{
  SubscribeOnSpace<ShipAttackedEvent>(this);
  LetSpaceDestroyOwner();
}

void DestroyOnEncounter::On(ShipAttackedEvent*)
{
  if (GameObject* owner = GetGameObject())
    Queue<GameObjectDestroyedEvent>(BRINDLE_SITE, owner->GetId(), GetOwner());
}
