#include "gameplay/ship/SimpleDoorLogic.h"

#include "gameplay/player/PlayerEvents.h"
#include "object/GameObject.h"
#include "object/ObjectEvents.h"
#include "physics/Collider.h"
#include "physics/CollisionGroup.h"
#include "render/Sprite.h"

void SimpleDoorLogic::OnAwake()
{
  SubscribeOnOwner<InteractionEvent>(this);
  SubscribeOnOwner<ParentedEvent>(this);
  doorSound.SetEvent(DoorSound);
}

void SimpleDoorLogic::On(InteractionEvent*)
{
  if (isOpen)
    Close();
  else
    Open();
}

void SimpleDoorLogic::On(ParentedEvent*)
{
  Close();
}

void SimpleDoorLogic::Open()
{
  Move(true);
}

void SimpleDoorLogic::Close()
{
  Move(false);
}

void SimpleDoorLogic::Move(bool open)
{
  GameObject* self = GetGameObject();
  GameObject* door = self != nullptr ? self->GetParent().Get() : nullptr;
  Sprite* sprite = door != nullptr ? door->GetSprite() : nullptr;
  if (sprite != nullptr)
  {
    isOpen = open;
    sprite->SetFrame(open ? OpenFrame : ShutFrame);
    if (Collider* collider = GetCollider(door))
    {
      collider->group = open ? CollisionGroup::DOORS : CollisionGroup::WALL;
      collider->SetActive(!open);
    }
  }
  doorSound.Play();
}
