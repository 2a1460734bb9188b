#pragma once
// Any key, mouse button or controller input (input actions 20 and 21 of the first player), once a
// short delay after waking has passed, puts "nextLevel" into the utility space, fades the music
// into "musicChange" and removes this level. It fires once: its space goes at the next frame.
#include "object/Component.h"

#include <string>

class UpdateEvent;

class SwitchLevelOnKeyPress : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_SwitchLevelOnKeyPress;

  SwitchLevelOnKeyPress() : Component(TypeId) {}
  SwitchLevelOnKeyPress& operator=(const SwitchLevelOnKeyPress&) = default;

  void OnAwake() override;
  void GetMembers(std::vector<MemberBase*>& members) override;
  void On(UpdateEvent* event);

private:
  std::string nextLevel;
  std::string musicChange;
  float inputDelay = 0.1f;  // seconds after waking before input counts
  float delayLeft = 0.0f;
};
