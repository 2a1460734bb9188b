#pragma once
// Tells its own object, at once, about every object it touches, with that object's Equippable (or
// none): the TouchedItem of an item, seen from the side of the one that touches it.
#include "object/Component.h"

class CollisionEvent;

class ItemDetector : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_ItemDetector;

  ItemDetector() : Component(TypeId) {}
  ItemDetector& operator=(const ItemDetector& other) = default;

  void OnAwake() override;
  void On(CollisionEvent* event);
};
