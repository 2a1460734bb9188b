#include "gameplay/weapons/Blast.h"

#include "core/Send.h"
#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/Members.h"
#include "object/Removal.h"
#include "object/Space.h"
#include "physics/Collider.h"
#include "physics/PhysicsEvents.h"
#include "render/CameraEvents.h"
#include "render/Sprite.h"

void Blast::OnAwake()
{
  SubscribeOnSpace<UpdateEvent>(this);
  LetSpaceDestroyOwner();
  SubscribeOnOwner<CollisionEvent>(this);
  explosionSound.SetEvent(ExplosionSoundPath);
  explosionSound.Play();
  GameObject* object = GetGameObject();
  if (Sprite* sprite = object != nullptr ? object->GetComponent<Sprite>() : nullptr)
    sprite->SetPeriod(duration / static_cast<float>(sprite->GetFrameCount()));
  if (Space* space = GetSpace())
    Queue<ShakeEvent>(BRINDLE_SITE, space->GetId(), screenShake);
}

void Blast::GetMembers(std::vector<MemberBase*>& members)
{
  Members::AddMember(members, "duration", &duration, RenderFloat, 5.0f);
  Members::AddMember(members, "screenShake", &screenShake, RenderFloat, 0.15f);
}

void Blast::On(CollisionEvent*)
{
  if (Collider* collider = GetCollider(GetGameObject()))
    collider->SetActive(false);
}

void Blast::On(UpdateEvent* event)
{
  elapsed += event->dt;
  GameObject* object = GetGameObject();
  const Sprite* sprite = object != nullptr ? object->GetComponent<Sprite>() : nullptr;
  const float lifetime = sprite != nullptr ? sprite->GetPeriod() * static_cast<float>(sprite->GetFrameCount()) : duration;
  // Asked again at each later update until the space has removed the object.
  if (elapsed >= lifetime)
    QueueRemoval(GetOwner());
}
