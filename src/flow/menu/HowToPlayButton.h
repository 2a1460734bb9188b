#pragma once
// Hides and pauses its own space and shows "target": the full-screen levels "tutorial" and
// "credits" go to the utility space through the level transition manager; any other level opens
// as a menu in the space named by "space" ("MenuSpace1" by default) and returns here when done.
#include "object/Component.h"
#include "object/SpaceNames.h"

#include <string>

class DetectorTriggerEndEvent;

class HowToPlayButton : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_HowToPlayButton;

  HowToPlayButton() : Component(TypeId) {}
  HowToPlayButton& operator=(const HowToPlayButton&) = default;

  void OnAwake() override;
  void GetMembers(std::vector<MemberBase*>& members) override;
  void On(DetectorTriggerEndEvent* event);

private:
  std::string target = "how_to_play";
  std::string space = SpaceNames::MenuSpace1;
};
