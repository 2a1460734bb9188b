#include "gameplay/player/Interactor.h"

#include "core/Send.h"
#include "gameplay/player/PlayerEvents.h"
#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/Space.h"
#include "physics/CollisionGroup.h"
#include "physics/PhysicsEvents.h"

void Interactor::OnAwake()
{
  SubscribeOnSpace<UpdateEvent>(this);
  SubscribeOnOwner<InteractionEvent>(this);
  SubscribeOnOwner<CollisionEvent>(this);
}

void Interactor::On(CollisionEvent* event)
{
  if (event->otherGroup != static_cast<std::uint32_t>(CollisionGroup::INTERACTION_ZONE))
    return;
  zone = event->other;
  touching = true;
}

void Interactor::On(UpdateEvent*)
{
  if (!touching)
    zone = Handle<GameObject>();
  else
    touching = false;
}

void Interactor::On(InteractionEvent*)
{
  GameObject* owner = GetGameObject();
  if (zone && owner != nullptr)
    Queue<InteractionEvent>(BRINDLE_SITE, zone->GetId(), owner->GetId());
}
