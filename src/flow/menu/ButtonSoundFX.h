#pragma once
// Switches the sound effects on (volume 1) when they are below half volume, off (volume 0) otherwise.
#include "object/Component.h"

class DetectorTriggerEndEvent;

class ButtonSoundFX : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_ButtonSoundFX;

  ButtonSoundFX() : Component(TypeId) {}
  ButtonSoundFX& operator=(const ButtonSoundFX&) = default;

  void OnAwake() override;
  // Shows the state it starts in.
  void Synchronize() override;
  void On(DetectorTriggerEndEvent* event);
};
