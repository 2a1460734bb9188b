#pragma once
// Flies the player's ship in the overworld: every update the move input (axis 0 of its player
// slot) becomes a steering request through a blend of VectorMove and AlignToMovement, queued to
// the ship's Agent. Touching an interaction zone while the interact action is held asks the ship
// itself for an interaction with that zone; touching another ship tells that ship it was attacked.
// In the space named "StartSpace" the ship does not fly (it still reacts to contacts).
#include "steering/Kinematic.h"
#include "core/Handle.h"
#include "object/Component.h"
#include "object/SpaceNames.h"

#include <memory>

class BlendedSteering;
class CollisionEvent;
class UpdateEvent;

class ShipController : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_ShipController;
  static constexpr const char* StillSpace = SpaceNames::StartSpace;
  static constexpr float MaxSpeed = 700.0f;

  ShipController();
  ~ShipController() override;
  ShipController& operator=(const ShipController&) = default;

  void OnAwake() override;
  void Synchronize() override;
  void OnDestroy() override;

  void On(UpdateEvent* event);
  void On(CollisionEvent* event);

private:
  std::uint32_t inputSlot = 0;
  // The move input, written each update; VectorMove reads it as its target's position.
  Transient<Handle<Kinematic>> moveDirection;
  Transient<std::unique_ptr<BlendedSteering>> steering;
  Transient<Handle<Kinematic>> kinematic;
};
