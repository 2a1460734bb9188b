#include "gameplay/props/DestroyOnEncounter.h"

#include "core/Send.h"
#include "gameplay/LevelEvents.h"
#include "object/GameObject.h"
#include "object/ObjectEvents.h"
#include "object/Space.h"

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
