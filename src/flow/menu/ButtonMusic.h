#pragma once
// Switches the music on (volume 1) when it is below half volume, off (volume 0) otherwise.
#include "object/Component.h"

class DetectorTriggerEndEvent;

class ButtonMusic : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_ButtonMusic;

  ButtonMusic() : Component(TypeId) {}
  ButtonMusic& operator=(const ButtonMusic&) = default;

  void OnAwake() override;
  // Shows the state it starts in.
  void Synchronize() override;
  void On(DetectorTriggerEndEvent* event);
};
