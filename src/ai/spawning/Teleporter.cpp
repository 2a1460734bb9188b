#include "ai/spawning/Teleporter.h"

#include "gameplay/player/PlayerEvents.h"
#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/Spawning.h"
#include "object/Transform.h"
#include "render/Sprite.h"

bool RunTeleportFlash(Sprite& flash, bool& spawned, const char* arrival, Space* space, glm::vec2 where,
                      Sound& arrivalSound)
{
  if (!spawned && flash.GetFrame() == Teleporter::ArrivalFrame)
  {
    SpawnAt(arrival, space, where);
    arrivalSound.Play();
    spawned = true;
  }
  if (flash.GetFrame() != Teleporter::EndFrame)
    return false;
  flash.SetAnimated(false);
  flash.SetFrame(0);
  flash.SetDraw(false);
  return true;
}

Teleporter::Teleporter() : Component(TypeId)
{
  arrivalSound.SetEvent(ArrivalSoundPath);
}

void Teleporter::OnAwake()
{
  SubscribeOnOwner<InteractionEvent>(this);
  SubscribeOnSpace<UpdateEvent>(this);
}

Sprite* Teleporter::PadSprite() const
{
  GameObject* object = GetGameObject();
  const Handle<GameObject> pad = object != nullptr ? object->GetParent() : Handle<GameObject>();
  return pad ? pad->GetSprite() : nullptr;
}

void Teleporter::On(InteractionEvent*)
{
  Sprite* flash = PadSprite();
  if (activated || flash == nullptr)
    return;
  activated = true;
  flash->SetDraw(true);
  flash->SetAnimated(true);
}

void Teleporter::On(UpdateEvent*)
{
  Sprite* flash = PadSprite();
  if (!activated || flash == nullptr)
    return;
  GameObject* pad = flash->GetGameObject();
  if (pad->GetTransform() == nullptr)
    return;
  if (RunTeleportFlash(*flash, spawned, ArrivalPrefab, pad->GetSpace(), pad->GetTransform()->GetWorldPosition(),
                       arrivalSound))
  {
    activated = false;
    spawned = false;
  }
}
