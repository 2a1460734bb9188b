#include "gameplay/items/Equipment.h"

#include "core/Log.h"
#include "core/Send.h"
#include "gameplay/combat/Team.h"
#include "gameplay/items/Equippable.h"
#include "gameplay/items/ItemEvents.h"
#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/GameobjectFactory.h"
#include "object/Members.h"
#include "object/Registry.h"
#include "object/Space.h"
#include "object/Spawning.h"
#include "object/Transform.h"

#include <algorithm>

void Equipment::OnAwake()
{
  SubscribeOnOwner<UseEvent>(this);
  SubscribeOnOwner<EquipDequip>(this);
  SubscribeOnSpace<PostUpdateEvent>(this);
  // Only a player gets a pickup collider. Anyone else reaches an item with its own body: a loose
  // item tells what it touches on that object's id. Subscribed here, before the controllers that
  // act on a touch wake, so the item is listed by the time such a controller asks for it.
  if (TeamOf(GetGameObject()) != TeamEnum::PLAYER)
    SubscribeOnOwner<TouchedItem>(this);
}

void Equipment::Synchronize()
{
  if (TeamOf(GetGameObject()) == TeamEnum::PLAYER)
    MakePickupCollider();
  MakeStartingItem(startingPrimary, "startingPrimary", 0);
  MakeStartingItem(startingSecondary, "startingSecondary", 1);
  MakeStartingItem(startingSpecial, "startingSpecial", SpecialSlot);
}

void Equipment::GetMembers(std::vector<MemberBase*>& members)
{
  Members::AddMember(members, "startingPrimary", &startingPrimary, RenderPrefabName, std::string());
  Members::AddMember(members, "startingSecondary", &startingSecondary, RenderPrefabName, std::string());
  Members::AddMember(members, "startingSpecial", &startingSpecial, RenderPrefabName, std::string());
}

void Equipment::MakePickupCollider()
{
  GameObject* owner = GetGameObject();
  if (owner == nullptr || owner->GetTransform() == nullptr)
    return;
  const Handle<GameObject> collider = SpawnAt(PickupColliderPrefab, owner->GetSpace(),
                                              owner->GetTransform()->GetWorldPosition(), PickupColliderPrefab);
  if (!collider || collider->GetTransform() == nullptr)
    return;
  collider->GetTransform()->SetParent(owner->GetTransform());
  collider->GetTransform()->SetPosition({0.0f, 0.0f});
  if (EventManager* manager = EventManager::Instance())
    manager->Subscribe<Equipment, TouchedItem>(this, collider->GetId());
}

void Equipment::MakeStartingItem(const std::string& prefab, const char* memberName, std::uint32_t slot)
{
  GameobjectFactory* factory = GameobjectFactory::Instance();
  // What the player carried in from the last level is in its slot already and stays there; the
  // starting item would overwrite it and leave it hanging on the player's hand, unheld.
  if (prefab.empty() || factory == nullptr || GetGameObject() == nullptr || slots[slot])
    return;
  // The factory makes a bare object for a name it does not know, so the name is checked first.
  if (!factory->HasPrefab(prefab))
  {
    LogOnce(std::string("Equipment ") + memberName + " " + prefab, LogLevel::Error, memberName,
            "_ not created. Probably an invalid prefab (\"", prefab, "\" on ", GetGameObject()->GetName(), ").");
    return;
  }
  Handle<GameObject> item;
  factory->CreateGameObject(item, prefab, GetGameObject()->GetSpace(), prefab);
  if (item)
    Equip(item, slot);
}

void Equipment::Equip(const Handle<GameObject>& item, std::uint32_t slot)
{
  GameObject* owner = GetGameObject();
  if (slot >= SlotCount || owner == nullptr || !item)
    return;
  slots[slot] = item;
  SendNow<EquipEvent>(BRINDLE_SITE, item->GetId(), owner, slot);
  SendNow<EquipEvent>(BRINDLE_SITE, owner->GetId(), item.Get(), slot);
}

Handle<GameObject> Equipment::GetSlot(std::uint32_t slot) const
{
  return slot < SlotCount ? slots[slot] : Handle<GameObject>();
}

std::uint32_t Equipment::FindSlot(const Handle<GameObject>& item) const
{
  for (std::uint32_t slot = 0; slot < SlotCount; ++slot)
  {
    if (slots[slot].GetId() == item.GetId())
      return slot;
  }
  return SlotCount;
}

void Equipment::On(UseEvent* event)
{
  // Senders only use the three slots; anything else is dropped rather than read past the array.
  if (event->slot >= SlotCount || !slots[event->slot])
    return;
  SendNow<UseEvent>(BRINDLE_SITE, slots[event->slot]->GetId(), event->firstFlag, event->slot, event->rearmFlag);
}

void Equipment::On(EquipDequip* event)
{
  if (event->slot >= SlotCount)
    return;
  // One request either drops or picks up, never both: a dying holder only lets go of what it held
  // and takes nothing on the way down. A player's swap is two requests (PlayerController).
  if (slots[event->slot].GetId() != 0)
    Drop(event->slot);
  else
    PickUp(event->slot);
}

std::vector<Handle<GameObject>>::iterator Equipment::FindTouched(std::uint32_t slot)
{
  const bool wantsSpecial = slot == SpecialSlot;
  const auto fits = [this, wantsSpecial](const Handle<GameObject>& candidate) {
    const Equippable* equippable = candidate ? candidate->GetComponent<Equippable>() : nullptr;
    return equippable != nullptr && equippable->IsSpecial() == wantsSpecial && FindSlot(candidate) == SlotCount;
  };
  return std::find_if(touchedItems.begin(), touchedItems.end(), fits);
}

void Equipment::Drop(std::uint32_t slot)
{
  GameObject* owner = GetGameObject();
  GameObject* item = slots[slot].Get();
  if (item != nullptr && owner != nullptr)
  {
    Queue<DequipEvent>(BRINDLE_SITE, item->GetId(), owner, slot);
    Queue<DequipEvent>(BRINDLE_SITE, owner->GetId(), item, slot);
  }
  slots[slot] = Handle<GameObject>();
}

void Equipment::PickUp(std::uint32_t slot)
{
  GameObject* owner = GetGameObject();
  if (owner == nullptr)
    return;
  const auto found = FindTouched(slot);
  if (found == touchedItems.end())
    return;
  slots[slot] = *found;
  // Every entry of it goes: an item touched in two sub-steps is listed twice, and must not fill a
  // second slot.
  touchedItems.erase(std::remove(touchedItems.begin(), touchedItems.end(), slots[slot]), touchedItems.end());
  GameObject* item = slots[slot].Get();
  Queue<EquipEvent>(BRINDLE_SITE, item->GetId(), owner, slot);
  Queue<EquipEvent>(BRINDLE_SITE, owner->GetId(), item, slot);
  if (Registry* registry = Registry::Instance())
    registry->GetDataBoard().GetCollectedItems().push_back(CollectionEntry{"", item->GetPrefabName(), 0, 0});
}

void Equipment::On(TouchedItem* event)
{
  touched = true;
  touchedItems.push_back(event->item);
}

void Equipment::On(PostUpdateEvent*)
{
  touchedItems.clear();
}
