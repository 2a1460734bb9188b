#pragma once
// Counts "timer" down in its space's updates (a paused space stands still); on the update the
// count crosses zero it puts "nextLevel" into the utility space and removes this level. A level
// saved with "timer" at or below zero never switches. "transitionTime" is kept for the editor.
#include "object/Component.h"

#include <string>

class UpdateEvent;

class LevelTransitionTimer : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_LevelTransitionTimer;

  LevelTransitionTimer() : Component(TypeId) {}
  LevelTransitionTimer& operator=(const LevelTransitionTimer&) = default;

  void OnAwake() override;
  void GetMembers(std::vector<MemberBase*>& members) override;
  void On(UpdateEvent* event);

  float GetTimer() const { return timer; }

private:
  float timer = 6.0f;
  float transitionTime = 6.0f;
  std::string nextLevel;
};
