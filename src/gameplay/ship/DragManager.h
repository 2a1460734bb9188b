#pragma once
// Makes a body feel the deck under it: every update it sets its Rigidbody's drags to the on-ship
// values while its collider is over a floor tile of any ship (a SHIPS object with a ShipMap) in
// the same space, and to the off-ship values otherwise, so a body on deck stops quickly and one
// in space keeps drifting. The drags are rewritten every update.
#include "core/LivePointer.h"
#include "object/Component.h"

class Rigidbody;
class UpdateEvent;

class DragManager : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_DragManager;

  DragManager() : DragManager(20.0f, 0.95f, 20.0f, 0.95f) {}
  DragManager(float onShip, float offShip, float onShipAngular, float offShipAngular)
      : Component(TypeId),
        onShipDrag(onShip),
        offShipDrag(offShip),
        onShipAngularDrag(onShipAngular),
        offShipAngularDrag(offShipAngular)
  {
  }
  ~DragManager() override = default;
  DragManager& operator=(const DragManager&) = default;

  void OnAwake() override;
  void GetMembers(std::vector<MemberBase*>& members) override;

  void On(UpdateEvent* event);

  // Whether the owner is over a floor tile of a ship in its space.
  bool IsOnShip() const;

private:
  Transient<LivePointer<Rigidbody>> rigidbody;
  float onShipDrag;
  float offShipDrag;
  float onShipAngularDrag;
  float offShipAngularDrag;
};
