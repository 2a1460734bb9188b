#pragma once
// Keeps its object's Sprite hidden from wake-up until a delay, counted in the time steps of its
// space's updates, has run out. A paused space does not update, so the delay stands still.
#include "object/Component.h"
#include "object/MissingSiblingWarning.h"

class Sprite;
class UpdateEvent;

class TimedHide : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_TimedHide;

  TimedHide();
  ~TimedHide() override;
  TimedHide& operator=(const TimedHide&) = default;

  void OnAwake() override;
  void GetMembers(std::vector<MemberBase*>& members) override;

  // Counts the delay down; once it is below zero the sprite shows.
  void On(UpdateEvent* event);

  float GetDelay() const { return delay; }
  void SetDelay(float seconds) { delay = seconds; }

private:
  // The object's Sprite, or null after the one warning that it has none.
  Sprite* FindSprite(const char* skippedStep);

  float delay = 5.0f;
  MissingSiblingWarning missingSprite;
};
