#include "flow/hud/ItemIndicator.h"

#include "core/Log.h"
#include "flow/hud/HudText.h"
#include "gameplay/items/Equipment.h"
#include "gameplay/items/ItemEvents.h"
#include "gameplay/weapons/Ammo.h"
#include "gameplay/weapons/Gun.h"
#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/Space.h"
#include "object/SpaceLookup.h"
#include "object/Transform.h"
#include "render/Sprite.h"

#include <algorithm>

namespace
{
void SetSpriteAlpha(Sprite* sprite, float alpha)
{
  if (sprite == nullptr)
    return;
  fColor color = sprite->GetColor();
  color.a = alpha;
  sprite->SetColor(color);
}

GameObject* ObjectOf(Transform* transform)
{
  return transform != nullptr ? transform->GetGameObject() : nullptr;
}
}  // namespace

void ItemIndicator::RefreshItems()
{
  GameObject* owner = GetGameObject();
  Equipment* equipment = owner != nullptr ? owner->GetComponent<Equipment>() : nullptr;
  if (equipment == nullptr)
    return;
  primaryItem = equipment->GetSlot(0);
  if (primaryItem)
    primaryGun = Gun::GetGunComponent(primaryItem.Get());
  secondaryItem = equipment->GetSlot(1);
  if (secondaryItem)
    secondaryGun = Gun::GetGunComponent(secondaryItem.Get());
  specialItem = equipment->GetSlot(2);
}

void ItemIndicator::UpdatePlacard(const Handle<GameObject>& placard, const Handle<GameObject>& item,
                                  const std::string& texture)
{
  if (!placard)
    return;
  const std::string iconName = placard->GetName() + "'s " + "HUD_ItemIndicatorPlacard";
  Sprite* icon = nullptr;
  for (Transform* child : placard->GetTransform()->GetChildren())
  {
    GameObject* object = ObjectOf(child);
    if (object != nullptr && object->GetName() == iconName)
    {
      icon = object->GetComponent<Sprite>();
      break;
    }
  }
  if (icon == nullptr)
    return;
  if (texture.empty() || !item)
  {
    SetSpriteAlpha(icon, 0.0f);
    return;
  }
  SetSpriteAlpha(icon, 1.0f);
  icon->SetSource(texture);
  const glm::vec2 frame = icon->GetFrameSize();
  const bool special = item == specialItem;
  const glm::vec2 box = special ? glm::vec2(SpecialIconWidth, SpecialIconHeight)
                                : glm::vec2(WeaponIconWidth, WeaponIconHeight);
  if (frame.x > 0.0f && frame.y > 0.0f)
  {
    const float fit = std::min(box.x / frame.x, box.y / frame.y);
    icon->SetScale(frame.x * fit, frame.y * fit);
  }
}

void ItemIndicator::SetAmmoTypeSprite(Sprite* icon, int ammoType)
{
  if (icon == nullptr)
    return;
  SetSpriteAlpha(icon, 1.0f);
  switch (ammoType)
  {
    case 0: icon->SetSource("HUD_ammo_bullet"); break;
    case 1: icon->SetSource("HUD_ammo_energy"); break;
    case 2: icon->SetSource("HUD_ammo_rocket"); break;
    default: LogLine("In ItemIndicator: SetAmmoTypeSprite() recieved invalid AmmoType"); break;
  }
}

void ItemIndicator::FindAmmoDisplay(const char* name, Handle<GameObject>& display, LivePointer<TextToSprite>& text,
                                    LivePointer<Sprite>& icon)
{
  display = FindHudObject(hud, name, "item indicator");
  if (!display)
    return;
  text = display->GetComponent<TextToSprite>();
  if (text != nullptr)
    text->SetString("");
  icon = display->GetComponent<Sprite>();
}

void ItemIndicator::OnAwake()
{
  RefreshItems();
  hud = ShowHudSpace();
  ammoPool = FindHudObject(hud, "HUD_Ammo_Pool", "item indicator");
  GameObject* owner = GetGameObject();
  ammo = owner != nullptr ? owner->GetComponent<Ammo>() : nullptr;
  primaryPlacard = FindHudObject(hud, "PrimaryItem", "item indicator");
  secondaryPlacard = FindHudObject(hud, "SecondaryItem", "item indicator");
  specialPlacard = FindHudObject(hud, "SpecialItem", "item indicator");
  UpdatePlacard(primaryPlacard, primaryItem, "");
  UpdatePlacard(secondaryPlacard, secondaryItem, "");
  UpdatePlacard(specialPlacard, specialItem, "");
  FindAmmoDisplay("AmmoPrimary", primaryAmmo, primaryAmmoText, primaryAmmoIcon);
  FindAmmoDisplay("AmmoSecondary", secondaryAmmo, secondaryAmmoText, secondaryAmmoIcon);
  SubscribeOnOwner<EquipEvent>(this);
  SubscribeOnOwner<DequipEvent>(this);
  SubscribeOnSpace<UpdateEvent>(this);
}

void ItemIndicator::On(EquipEvent* event)
{
  RefreshItems();
  const Sprite* itemSprite = event->other != nullptr ? event->other->GetComponent<Sprite>() : nullptr;
  const std::string name = itemSprite != nullptr ? itemSprite->GetSource() : "";
  switch (event->slot)
  {
    case 0:
      UpdatePlacard(primaryPlacard, primaryItem, name);
      if (primaryAmmo && primaryAmmoIcon != nullptr && primaryItem && primaryGun != nullptr)
        SetAmmoTypeSprite(primaryAmmoIcon, static_cast<int>(primaryGun->GetAmmoType()));
      break;
    case 1:
      UpdatePlacard(secondaryPlacard, secondaryItem, name);
      if (secondaryAmmo && secondaryAmmoIcon != nullptr && secondaryItem && secondaryGun != nullptr)
        SetAmmoTypeSprite(secondaryAmmoIcon, static_cast<int>(secondaryGun->GetAmmoType()));
      break;
    case 2: UpdatePlacard(specialPlacard, specialItem, name); break;
    default: break;
  }
}

void ItemIndicator::On(DequipEvent* event)
{
  RefreshItems();
  switch (event->slot)
  {
    case 0:
      UpdatePlacard(primaryPlacard, primaryItem, "");
      if (primaryAmmo)
        SetSpriteAlpha(primaryAmmoIcon, 0.0f);
      break;
    case 1:
      UpdatePlacard(secondaryPlacard, secondaryItem, "");
      if (secondaryAmmo)
        SetSpriteAlpha(secondaryAmmoIcon, 0.0f);
      break;
    case 2: UpdatePlacard(specialPlacard, specialItem, ""); break;
    default: break;
  }
}

void ItemIndicator::ShowMagazine(const Handle<GameObject>& display, TextToSprite* text,
                                 const Handle<GameObject>& item, Gun* gun)
{
  if (!display || text == nullptr)
    return;
  if (!item || gun == nullptr)
  {
    ShowHudText(text, "");
    return;
  }
  ShowHudText(text, HudCount(gun->GetMagAmmo()) + "/" + HudCount(gun->GetMagCapacity()));
}

void ItemIndicator::On(UpdateEvent*)
{
  if (ammoPool && ammoPool->GetTransform()->ChildCount() >= 3)
  {
    const std::vector<Transform*>& types = ammoPool->GetTransform()->GetChildren();
    for (int type = 0; type < 3; ++type)
    {
      if (types[type]->ChildCount() == 0)
        continue;
      GameObject* label = ObjectOf(types[type]->GetChildren().front());
      TextToSprite* text = label != nullptr ? label->GetComponent<TextToSprite>() : nullptr;
      if (text == nullptr)
        continue;
      ShowHudText(text, HudCount(ammo != nullptr ? ammo->GetAmmo(static_cast<AmmoType>(type)) : 0.0f));
    }
  }
  ShowMagazine(primaryAmmo, primaryAmmoText, primaryItem, primaryGun);
  ShowMagazine(secondaryAmmo, secondaryAmmoText, secondaryItem, secondaryGun);
}
