#pragma once
// Pulls loot in and records it: an item touching the zone is tinted and pulled towards its centre
// with a force that grows with the distance; once closer than 50 units it is recorded in the
// DataBoard (through a CollectionEvent on the zone's id) and removed, once.
#include "core/Handle.h"
#include "object/Component.h"

#include <vector>

class CollisionEvent;
class GameObject;

class CollectionZone : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_CollectionZone;
  static constexpr float CollectDistance = 50.0f;

  CollectionZone() : Component(TypeId) {}
  CollectionZone& operator=(const CollectionZone&) { return *this; }

  void OnAwake() override;
  void On(CollisionEvent* event);

private:
  // Items taken but not yet torn down: their further contacts in the meantime record nothing, so
  // every piece of loot is recorded once.
  std::vector<Handle<GameObject>> taken;
};
