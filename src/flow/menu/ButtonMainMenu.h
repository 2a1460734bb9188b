#pragma once
// Back to the main menu ("target", "introlevel" by default) through the utility space: the run's
// collected items are dropped. Its own space is left to the level transition.
#include "object/Component.h"

#include <string>

class DetectorTriggerEndEvent;

class ButtonMainMenu : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_ButtonMainMenu;

  ButtonMainMenu() : Component(TypeId) {}
  ButtonMainMenu& operator=(const ButtonMainMenu&) = default;

  void OnAwake() override;
  void GetMembers(std::vector<MemberBase*>& members) override;
  void On(DetectorTriggerEndEvent* event);

private:
  std::string target = "introlevel";
};
