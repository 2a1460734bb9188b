#pragma once
// Keeps the HUD's item and ammunition displays in step with the player it sits on: the icons of
// the three equipment slots on the placards "PrimaryItem", "SecondaryItem" and "SpecialItem"
// (each through its child "<name>'s HUD_ItemIndicatorPlacard"), the ammunition type and
// magazine count of the two weapon slots on "AmmoPrimary" and "AmmoSecondary", and the pooled
// ammunition of each type on the children of "HUD_Ammo_Pool". Missing HUD objects are skipped.
#include "core/Handle.h"
#include "core/LivePointer.h"
#include "object/Component.h"

#include <string>

class Ammo;
class DequipEvent;
class EquipEvent;
class GameObject;
class Gun;
class Space;
class Sprite;
class TextToSprite;
class UpdateEvent;

class ItemIndicator : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_ItemIndicator;
  // The boxes (world units) an icon is fitted into, keeping the picture's proportions, so that it
  // stays inside its placard whatever the item's picture: a weapon's, and a special's (a chip,
  // three fifths of a weapon's height as the placard scales of the design have it).
  static constexpr float WeaponIconWidth = 88.0f;
  static constexpr float WeaponIconHeight = 64.0f;
  static constexpr float SpecialIconWidth = WeaponIconHeight * 1.5f / 2.5f;
  static constexpr float SpecialIconHeight = SpecialIconWidth;

  ItemIndicator() : Component(TypeId) {}
  ItemIndicator& operator=(const ItemIndicator&) = default;

  void OnAwake() override;

  void On(EquipEvent* event);
  void On(DequipEvent* event);
  void On(UpdateEvent* event);

  void RefreshItems();
  // Shows the item's picture on the placard's icon, or hides the icon for an empty name or a
  // dead item.
  void UpdatePlacard(const Handle<GameObject>& placard, const Handle<GameObject>& item, const std::string& texture);
  static void SetAmmoTypeSprite(Sprite* icon, int ammoType);

private:
  void FindAmmoDisplay(const char* name, Handle<GameObject>& display, LivePointer<TextToSprite>& text,
                       LivePointer<Sprite>& icon);
  void ShowMagazine(const Handle<GameObject>& display, TextToSprite* text, const Handle<GameObject>& item,
                    Gun* gun);

  Transient<Space*> hud = nullptr;
  Transient<Handle<GameObject>> primaryPlacard;
  Transient<Handle<GameObject>> secondaryPlacard;
  Transient<Handle<GameObject>> specialPlacard;
  Transient<LivePointer<Ammo>> ammo;
  Transient<Handle<GameObject>> ammoPool;
  Transient<Handle<GameObject>> specialItem;
  Transient<Handle<GameObject>> primaryItem;
  Transient<Handle<GameObject>> secondaryItem;
  Transient<Handle<GameObject>> primaryAmmo;
  Transient<Handle<GameObject>> secondaryAmmo;
  Transient<LivePointer<TextToSprite>> primaryAmmoText;
  Transient<LivePointer<TextToSprite>> secondaryAmmoText;
  Transient<LivePointer<Sprite>> primaryAmmoIcon;
  Transient<LivePointer<Sprite>> secondaryAmmoIcon;
  Transient<LivePointer<Gun>> primaryGun;
  Transient<LivePointer<Gun>> secondaryGun;
};
