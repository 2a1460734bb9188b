#pragma once
// Closes the menu it is on: its own space goes, and the space that opened the menu (named by the
// NewLevelLoadedEvent the menu received) runs and shows again. A menu opened some other way has
// nothing to return to and ignores the press. The space is kept by name and checked against the
// session's spaces before it is touched, so a space removed meanwhile is never reached.
#include "object/Component.h"

#include <string>

class DetectorTriggerEndEvent;
class NewLevelLoadedEvent;
class Space;

class ResumeButton : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_ResumeButton;

  ResumeButton() : Component(TypeId) {}
  ResumeButton& operator=(const ResumeButton&) = default;

  void OnAwake() override;
  void On(NewLevelLoadedEvent* event);
  void On(DetectorTriggerEndEvent* event);

  // The space it returns to, when that space is still there; null otherwise.
  Space* GetPrevious() const;

private:
  Transient<Space*> previous = nullptr;  // compared, never followed, until found among the spaces again
  std::string previousName;
};
