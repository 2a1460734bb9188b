#include "gameplay/specials/Special.h"

#include "gameplay/items/ItemEvents.h"
#include "gameplay/specials/SpecialCooldown.h"
#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/Members.h"
#include "object/Removal.h"
#include "render/Sprite.h"

void Special::Wake(const char* useSoundPath)
{
  SubscribeOnOwner<UseEvent>(this);
  SubscribeOnOwner<EquipEvent>(this);
  SubscribeOnSpace<UpdateEvent>(this);
  SubscribeOnOwner<DequipEvent>(this);
  useSound.SetEvent(useSoundPath);
}

void Special::AddCoolDownMember(std::vector<MemberBase*>& members)
{
  Members::AddMember(members, "coolDown", &coolDown, RenderFloat, 0.0f);
}

void Special::AddCurrCoolDownMember(std::vector<MemberBase*>& members)
{
  Members::AddMember(members, "currCoolDown", &currCoolDown, RenderFloat, 0.0f);
}

void Special::InitCooldownBar()
{
  cooldownBar = ShowCooldownBar(BarName, HudItemName, currCoolDown, coolDown);
}

void Special::On(UseEvent*)
{
  if (!IsReady())
    return;
  useSound.Play();
  currCoolDown = 0.0f;
  InitCooldownBar();
  StartEffect();
}

void Special::On(EquipEvent* event)
{
  InitCooldownBar();
  Hold(event->other != nullptr ? event->other->GetHandle() : Handle<GameObject>());
  ShowItemSprite(false);
  equipped = true;
}

void Special::On(UpdateEvent* event)
{
  if (!equipped)
    return;
  if (Refills())
  {
    if (currCoolDown < coolDown)
      currCoolDown += event->dt;
    if (currCoolDown > coolDown)
      currCoolDown = coolDown;
  }
  UpdateEffect(event->dt);
}

void Special::On(DequipEvent*)
{
  QueueRemoval(cooldownBar);
  ShowItemSprite(true);
  equipped = false;
  LetGo();
}

void Special::ShowItemSprite(bool shown)
{
  GameObject* object = GetGameObject();
  if (Sprite* sprite = object != nullptr ? object->GetComponent<Sprite>() : nullptr)
    sprite->SetDraw(shown);
}
