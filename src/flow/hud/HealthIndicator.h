#pragma once
// The red overlay that pulses with the player's heartbeat: its opacity grows as health falls, and
// each period of rest, first beat, gap, second beat, hold and fall takes away up to alphaDelta of
// it at the top. Below half health the two beats sound (silent once hitpoints reached 0). The
// player's Health connects it to its HealthChangedEvents through the "HEALTH_INDICATOR" registry
// list, so the overlay object registers there.
#include "core/LivePointer.h"
#include "audio/Sound.h"
#include "gameplay/combat/Health.h"
#include "object/Component.h"

class Sprite;
class UpdateEvent;

class HealthIndicator : public Component, public HealthChangeReceiver
{
public:
  static constexpr std::uint32_t TypeId = COMP_HealthIndicator;

  HealthIndicator() : Component(TypeId) {}
  HealthIndicator& operator=(const HealthIndicator&) = default;

  void OnAwake() override;
  void GetMembers(std::vector<MemberBase*>& members) override;

  void On(UpdateEvent* event);
  void On(HealthChangedEvent* event) override;

  // The beat level of the period's moment `time`: 0 at rest, 1 at the top.
  float BeatLevel(float time) const;
  float GetHealthFraction() const { return healthFraction; }
  bool IsDead() const { return dead; }

private:
  Transient<LivePointer<Sprite>> sprite;
  float healthFraction = 1.0f;
  float alphaDelta = 0.2f;
  float middleGap = 0.2f;
  float bottomGap = 0.2f;
  float topGap = 0.2f;
  float firstBeatDuration = 0.1f;
  float secondBeatDuration = 0.1f;
  float decreaseDuration = 0.5f;
  float beatTimer = 0.0f;
  Sound beatOne;
  Sound beatTwo;
  bool beatOnePlayed = false;
  bool beatTwoPlayed = false;
  bool dead = false;
};
