#pragma once
// Starts the demo: the level "auto_play" comes up in the space "Encounter" while its own space
// pauses and hides.
#include "object/Component.h"

class DetectorTriggerEndEvent;

class AutoPlayButton : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_AutoPlayButton;

  AutoPlayButton() : Component(TypeId) {}
  AutoPlayButton& operator=(const AutoPlayButton&) = default;

  void OnAwake() override;
  void On(DetectorTriggerEndEvent* event);
};
