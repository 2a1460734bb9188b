#include "gameplay/props/EmitOnContact.h"

#include "physics/CollisionGroup.h"
#include "physics/PhysicsEvents.h"

void EmitOnContact::OnAwake()
{
  SubscribeOnOwner<CollisionEvent>(this);
}

void EmitOnContact::On(CollisionEvent* event)
{
  if (static_cast<CollisionGroup>(event->otherGroup) == CollisionGroup::PLAYER)
    sound.Play();
}
