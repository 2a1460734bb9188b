#pragma once
// Events of items and equipment: touching, using, equipping and dropping.
#include "core/EventIds.h"
#include "core/Handle.h"  // Handle<GameObject> works with the object model left incomplete

#include <cstdint>
#include <utility>

class Equippable;
class GameObject;

// Tells an object which item it touched. equippable is null when the item has no Equippable.
class TouchedItem : public Event
{
public:
  TouchedItem(std::uint32_t channel, Handle<GameObject> touchedItem, Equippable* itemEquippable)
      : Event(channel), item(std::move(touchedItem)), equippable(itemEquippable)
  {
  }
  BRINDLE_EVENT(TouchedItem)

  Handle<GameObject> item;
  Equippable* equippable;
};

// Stored as (first flag, re-arm flag, slot) though the constructor takes the slot between the
// flags. The re-arm flag lets a once-per-press gun fire again; no receiver acts on the first flag.
class UseEvent : public Event
{
public:
  UseEvent(std::uint32_t channel, bool first, std::uint32_t slotIndex, bool rearm)
      : Event(channel), firstFlag(first), rearmFlag(rearm), slot(slotIndex)
  {
  }
  BRINDLE_EVENT(UseEvent)

  bool firstFlag;
  bool rearmFlag;
  std::uint32_t slot;
};

// Stored as (slot, other) though the constructor takes (other, slot). Sent to an item naming its
// holder, and to the holder naming the item.
class EquipEvent : public Event
{
public:
  EquipEvent(std::uint32_t channel, GameObject* otherObject, std::uint32_t slotIndex)
      : Event(channel), slot(slotIndex), other(otherObject)
  {
  }
  BRINDLE_EVENT(EquipEvent)

  std::uint32_t slot;
  GameObject* other;
};

// Unlike EquipEvent, stored in constructor order. other is null when there is none.
class DequipEvent : public Event
{
public:
  DequipEvent(std::uint32_t channel, GameObject* otherObject, std::uint32_t slotIndex)
      : Event(channel), other(otherObject), slot(slotIndex)
  {
  }
  BRINDLE_EVENT(DequipEvent)

  GameObject* other;
  std::uint32_t slot;
};

// Toggles a slot: an empty one picks up an item touched this frame, a full one drops its item.
class EquipDequip : public Event
{
public:
  EquipDequip(std::uint32_t channel, std::uint32_t slotIndex) : Event(channel), slot(slotIndex) {}
  BRINDLE_EVENT(EquipDequip)

  std::uint32_t slot;
};
