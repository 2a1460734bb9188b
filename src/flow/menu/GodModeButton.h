#pragma once
// Switches god mode, the switch of the "god_mode" console command: players ignore damage and
// enemies die from any hit.
#include "object/Component.h"

class DetectorTriggerEndEvent;

class GodModeButton : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_GodModeButton;

  GodModeButton() : Component(TypeId) {}
  GodModeButton& operator=(const GodModeButton&) = default;

  void OnAwake() override;
  // Shows the state it starts in.
  void Synchronize() override;
  void On(DetectorTriggerEndEvent* event);
};
