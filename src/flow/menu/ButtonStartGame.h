#pragma once
// Starts a run: its own space hides and pauses, and a new overworld begins at once.
#include "object/Component.h"

class DetectorTriggerEndEvent;

class ButtonStartGame : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_ButtonStartGame;

  ButtonStartGame() : Component(TypeId) {}
  ButtonStartGame& operator=(const ButtonStartGame&) = default;

  void OnAwake() override;
  void On(DetectorTriggerEndEvent* event);
};
