#pragma once
// Picks the space's zoom from the nearest ship in contact with its (large) collider: a ship at
// distance d gives (d / reach) x 7.5 + 0.5, where the reach is the collider's bounding radius
// plus 500; with no ship in contact the zoom eases out to 8.0. It queues a SetZoom every update.
#include "object/Component.h"

#include <vector>

class CollisionEvent;
class UpdateEvent;

class ProximityDolly : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_ProximityDolly;
  static constexpr float NearZoom = 0.5f;
  static constexpr float FarZoom = 8.0f;

  ProximityDolly() : Component(TypeId) {}
  ProximityDolly& operator=(const ProximityDolly&) { return *this; }

  void OnAwake() override;
  void On(CollisionEvent* event);
  void On(UpdateEvent* event);

  float GetReach() const { return reach; }

private:
  std::vector<float> distances;
  float reach = 0.0f;
  float lastSmallest = 0.0f;
};
