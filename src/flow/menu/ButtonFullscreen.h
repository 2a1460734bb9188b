#pragma once
// Switches the window between full screen and windowed.
#include "object/Component.h"

class DetectorTriggerEndEvent;

class ButtonFullscreen : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_ButtonFullscreen;

  ButtonFullscreen() : Component(TypeId) {}
  ButtonFullscreen& operator=(const ButtonFullscreen&) = default;

  void OnAwake() override;
  // Shows the state it starts in.
  void Synchronize() override;
  void On(DetectorTriggerEndEvent* event);
};
