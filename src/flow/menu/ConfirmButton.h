#pragma once
// Quits: the game ends after the frame in which it is pressed.
#include "object/Component.h"

class DetectorTriggerEndEvent;

class ConfirmButton : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_ConfirmButton;

  ConfirmButton() : Component(TypeId) {}
  ConfirmButton& operator=(const ConfirmButton&) = default;

  void OnAwake() override;
  void On(DetectorTriggerEndEvent* event);
};
