#pragma once
// Opens the pause menu ("target", "pause_menu" by default) in "MenuSpace0" over its own space,
// which pauses but stays in view.
#include "object/Component.h"

#include <string>

class DetectorTriggerEndEvent;

class PauseButton : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_PauseButton;

  PauseButton() : Component(TypeId) {}
  PauseButton& operator=(const PauseButton&) = default;

  void OnAwake() override;
  void GetMembers(std::vector<MemberBase*>& members) override;
  void On(DetectorTriggerEndEvent* event);

private:
  std::string target = "pause_menu";
};
