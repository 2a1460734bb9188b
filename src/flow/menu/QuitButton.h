#pragma once
// Asks whether to quit: the quit confirmation opens in "MenuSpace1" over its own space, which
// pauses but stays in view.
#include "object/Component.h"

class DetectorTriggerEndEvent;

class QuitButton : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_QuitButton;

  QuitButton() : Component(TypeId) {}
  QuitButton& operator=(const QuitButton&) = default;

  void OnAwake() override;
  void On(DetectorTriggerEndEvent* event);
};
