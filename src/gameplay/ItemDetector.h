#pragma once
// Tells its own object, at once, about every object it touches, with that object's Equippable
// when it has one: the item's-eye TouchedItem seen from the side of the one who touches.
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
