#include "gameplay/weapons/MuzzleFlash.h"

#include "core/Send.h"
#include "gameplay/weapons/Gun.h"
#include "gameplay/weapons/WeaponEvents.h"
#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/Members.h"
#include "object/ObjectEvents.h"
#include "object/Transform.h"
#include "render/Sprite.h"

void MuzzleFlash::OnAwake()
{
  SubscribeOnSpace<UpdateEvent>(this);
  SubscribeOnOwner<ParentedEvent>(this);
}

void MuzzleFlash::GetMembers(std::vector<MemberBase*>& members)
{
  Members::AddMember(members, "flashLength", &flashLength, RenderFloat, 0.0f);
}

void MuzzleFlash::On(ParentedEvent*)
{
  GameObject* object = GetGameObject();
  if (object == nullptr)
    return;
  const Handle<GameObject> parent = object->GetParent();
  if (parent)
    Queue<MuzzleFlashSpawnedEvent>(BRINDLE_SITE, parent->GetId(), GetOwner());
  flashSprite = object->GetComponent<Sprite>();
}

void MuzzleFlash::On(UpdateEvent* event)
{
  if (flashSprite != nullptr)
    flashSprite->SetDraw(flashTimer > 0.0f);
  Gun::SortWithHolder(GetGameObject());
  if (flashTimer > 0.0f)
    flashTimer -= event->dt;
}

void MuzzleFlash::Flash()
{
  if (flashSprite == nullptr)
    return;
  flashTimer = flashLength;
  flashSprite->SetFrame(0);
}
