#pragma once
// Pulls loot in and records it: an item touching the zone is tinted and pulled towards its centre
// with a force that grows with the distance; once closer than 50 units it is recorded in the
// DataBoard (through a CollectionEvent on the zone's id) and removed.
#include "object/Component.h"

class CollisionEvent;

class CollectionZone : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_CollectionZone;
  static constexpr float CollectDistance = 50.0f;

  CollectionZone() : Component(TypeId) {}
  CollectionZone& operator=(const CollectionZone&) { return *this; }

  void OnAwake() override;
  void On(CollisionEvent* event);
};
