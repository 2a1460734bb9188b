#include "ai/spawning/TeleportSpawn.h"

#include "ai/spawning/Teleporter.h"
#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/Removal.h"
#include "object/Transform.h"
#include "render/Sprite.h"

TeleportSpawn::TeleportSpawn() : Component(TypeId)
{
  arrivalSound.SetEvent(Teleporter::ArrivalSoundPath);
}

void TeleportSpawn::OnAwake()
{
  LetSpaceDestroyOwner();
  SubscribeOnSpace<UpdateEvent>(this);
}

void TeleportSpawn::On(UpdateEvent*)
{
  GameObject* object = GetGameObject();
  Sprite* flash = object != nullptr ? object->GetSprite() : nullptr;
  if (!active || flash == nullptr || object->GetTransform() == nullptr)
    return;
  if (RunTeleportFlash(*flash, spawned, ArrivalPrefab, object->GetSpace(), object->GetTransform()->GetWorldPosition(),
                       arrivalSound))
  {
    QueueRemoval(GetOwner());
    active = false;
  }
}
