#pragma once
// After its first quarter second, snaps its object to (0, 3000) whenever input action 0, 1 or 12
// of player slot 0 is active.
#include "object/Component.h"

class UpdateEvent;

class SnapCameraOnInput : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_SnapCameraOnInput;

  SnapCameraOnInput() : Component(TypeId) {}
  SnapCameraOnInput& operator=(const SnapCameraOnInput&) = default;

  void OnAwake() override;
  void On(UpdateEvent* event);

private:
  float timer = 0.25f;
};
