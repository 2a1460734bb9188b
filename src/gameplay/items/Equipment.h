#pragma once
// Three item slots for a character: primary (0), secondary (1) and special (2); only the special
// slot takes items whose Equippable is "special", and it takes no other. Equipment makes the
// starting items, and for each EquipDequip either picks up into an empty slot what its owner
// touches or drops the item of a full slot (to swap, a controller sends two); it passes UseEvents
// on to the item in the named slot.
//
// It never calls an item: every effect travels as an event to the item's id, and every change of
// a slot is also announced on the owner's id. Touching works through a child object, the
// "Item_Pickup_Collider" made for a player, whose TouchedItems fill the list of things within
// reach; any other side (an enemy, a turret) reaches with its own body, taking the TouchedItems
// addressed to itself. The list empties after each frame's update, so an item is picked up in a
// frame in which it is touched.
#include "object/Component.h"

#include <array>
#include <string>
#include <vector>

class EquipDequip;
class PostUpdateEvent;
class TouchedItem;
class UseEvent;

class Equipment : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_Equipment;
  static constexpr std::uint32_t SlotCount = 3;
  static constexpr std::uint32_t SpecialSlot = 2;
  static constexpr const char* PickupColliderPrefab = "Item_Pickup_Collider";

  Equipment() : Component(TypeId) {}
  Equipment& operator=(const Equipment& other) = default;

  void OnAwake() override;
  // Makes the player's pickup collider, then the starting items, each equipped in its slot unless
  // the slot holds an item already.
  void Synchronize() override;
  void GetMembers(std::vector<MemberBase*>& members) override;

  void On(UseEvent* event);
  void On(EquipDequip* event);
  void On(TouchedItem* event);
  void On(PostUpdateEvent* event);

  // Puts the item in the slot (whatever was there is overwritten, not dropped) and sends
  // EquipEvent at once to the item, then to the owner.
  void Equip(const Handle<GameObject>& item, std::uint32_t slot);
  // A copy of the slot's handle; empty for an empty slot or an index beyond the slots.
  Handle<GameObject> GetSlot(std::uint32_t slot) const;
  // The slot holding that very item, checked 0, 1, 2; SlotCount when none does.
  std::uint32_t FindSlot(const Handle<GameObject>& item) const;

  bool HasTouched() const { return touched; }
  const std::vector<Handle<GameObject>>& GetTouchedItems() const { return touchedItems; }

private:
  // The first item touched this frame that fits the slot and no slot holds yet.
  std::vector<Handle<GameObject>>::iterator FindTouched(std::uint32_t slot);
  void PickUp(std::uint32_t slot);
  void Drop(std::uint32_t slot);
  void MakePickupCollider();
  void MakeStartingItem(const std::string& prefab, const char* memberName, std::uint32_t slot);

  bool touched = false;
  std::vector<Handle<GameObject>> touchedItems;  // since the last PostUpdateEvent, in arrival order
  std::array<Handle<GameObject>, SlotCount> slots;
  std::string startingPrimary;
  std::string startingSecondary;
  std::string startingSpecial;
};
