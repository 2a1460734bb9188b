#pragma once
// The encounter clock on the HUD object "HUD_Timer". Inert until a comm station activates it and
// subscribes its update on the encounter's space (so pausing the encounter stops the clock). Then:
// stage 0 puts a "HUD_Clock" on the HUD; stages 1 and 2 count "clockTime" down at the station's
// rate, the bear on the dial turning angry below 50 s; when it runs out, stage 3 drops two jumping
// bears from above the player's camera and stage 4 lets them fall for "bearFallDuration" seconds,
// then puts an "AI_bear_police" where each landed (on the ship's deck, PlaceOnShipFloor) and shakes
// the camera. From the moment the clock runs out, TimerExpired goes to the HUD space every frame.
// A StopTimerEvent on the HUD space halts it for good.
#include "core/Handle.h"
#include "core/LivePointer.h"
#include "object/Component.h"

class GameObject;
class Sprite;
class StopTimerEvent;
class TextToSprite;
class UpdateEvent;

class EncounterTimer : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_EncounterTimer;
  static constexpr float AngryThreshold = 50.0f;

  EncounterTimer() : Component(TypeId) {}
  EncounterTimer& operator=(const EncounterTimer&) = default;

  void OnAwake() override;
  void GetMembers(std::vector<MemberBase*>& members) override;

  void On(StopTimerEvent* event);
  void On(UpdateEvent* event);

  // Between full and half speed; any other rate becomes full speed.
  void ToggleRate() { rate = rate == 1.0f ? 0.5f : 1.0f; }
  void Activate() { active = true; }

  bool IsActive() const { return active; }
  int GetStage() const { return stage; }
  float GetClockTime() const { return clockTime; }
  float GetRate() const { return rate; }
  const Handle<GameObject>& GetClock() const { return clock; }

private:
  void SetDial(const char* texture);
  void ShowClock(float seconds);
  void DropBears();
  void FallBears(float dt);

  float clockTime = 100.0f;
  float bearFallingTimer = 0.0f;
  float bearFallDuration = 1.7f;
  float bearFallForce = 2000.0f;
  bool active = false;
  int stage = 0;
  Transient<Handle<GameObject>> clock;
  Transient<Handle<GameObject>> bearOne;
  Transient<Handle<GameObject>> bearTwo;
  Transient<LivePointer<TextToSprite>> clockText;
  Transient<LivePointer<Sprite>> clockSprite;
  float rate = 1.0f;
};
