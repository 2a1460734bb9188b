#pragma once
// Makes an object an item that can be carried (a gun, a special). Lying loose, it tells every
// object it touches so with a TouchedItem, which is how Equipment learns what is within reach.
// Equipped, it rides on its holder at local (0, 0) with its collider and body switched off;
// dropped, it is put down below the holder and thrown along the holder's motion.
#include "audio/Sound.h"
#include "object/Component.h"

class CollisionEvent;
class DequipEvent;
class EquipEvent;
class Transform;

class Equippable : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_Equippable;
  static constexpr const char* SwapSoundPath = "event:/SFX/ItemSwap";
  // A holder faster than this throws what it drops, at ThrowSpeed, spinning at ThrowSpin.
  static constexpr float ThrowThreshold = 50.0f;
  static constexpr float ThrowSpeed = 250.0f;
  static constexpr float ThrowSpin = 4.0f;
  // How far below its holder a dropped item lands.
  static constexpr float DropDistance = 64.0f;

  Equippable() : Component(TypeId) {}
  Equippable& operator=(const Equippable&) = default;

  void OnAwake() override;
  void GetMembers(std::vector<MemberBase*>& members) override;

  // Tells the touched object, at once, so that it knows of the item before the rest of the
  // frame's queue (an EquipDequip among it) is handled.
  void On(CollisionEvent* event);
  void On(EquipEvent* event);
  void On(DequipEvent* event);

  // Attaches the item to the holder; always true.
  bool Equip(GameObject* holder);
  // Detaches the item and throws it; always true.
  bool Unequip(GameObject* holder);

  bool IsSpecial() const { return special; }
  bool IsEquipped() const { return equipped; }
  const Sound& GetPickupSound() const { return pickupSound; }

private:
  // Switches the item's collider and body on or off, saying once per prefab which of them it lacks.
  void SetPhysicsActive(bool active);

  bool equipped = false;
  bool special = false;
  Transient<Transform*> ownerTransform = nullptr;
  Sound pickupSound;
};
