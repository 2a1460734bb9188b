#pragma once
// Fades its object's sprite in, holds it and fades it out on a fixed timetable, counted in its
// space's updates: title cards and splash pictures. From waking the sprite is transparent; the
// alpha rises over [fadeInStartTime, + fadeInDuration], falls over [fadeOutStartTime,
// + fadeOutDuration] (where the windows overlap, the fall wins) and keeps its last value between
// and after them. Past the later window it stops; a FadeEvent starts it again at the fade in
// (true) or the fade out (false). On an object without a Sprite it does nothing.
#include "object/Component.h"

class FadeEvent;
class UpdateEvent;

class FadeIn : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_FadeIn;

  FadeIn() : Component(TypeId) {}
  FadeIn& operator=(const FadeIn&) = default;

  void OnAwake() override;
  void GetMembers(std::vector<MemberBase*>& members) override;

  void On(UpdateEvent* event);
  void On(FadeEvent* event);

  bool IsActive() const { return active; }
  float GetCurrentTime() const { return currentTime; }

private:

  bool active = true;
  float currentTime = 0.0f;
  float fadeInStartTime = 0.0f;
  float fadeOutStartTime = 4.0f;
  float fadeInDuration = 2.0f;
  float fadeOutDuration = 2.0f;
};
