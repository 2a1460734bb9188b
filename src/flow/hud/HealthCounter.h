#pragma once
// Writes the player's hitpoints, rounded up, as digits into the HUD's "HUD_Health_Counter". It
// sits on the player and finds the display after every object has woken, so the "HUD" space is
// loaded by then.
#include "core/Handle.h"
#include "core/LivePointer.h"
#include "object/Component.h"

class GameObject;
class HealthChangedEvent;
class Space;
class TextToSprite;

class HealthCounter : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_HealthCounter;

  HealthCounter() : Component(TypeId) {}
  HealthCounter& operator=(const HealthCounter&) = default;

  void OnAwake() override;
  void Synchronize() override;
  void On(HealthChangedEvent* event);

  // What the counter shows for these hitpoints: the ceiling, never below 0.
  static int Shown(float hitpoints);

private:
  Transient<Handle<GameObject>> counter;
  Transient<LivePointer<TextToSprite>> counterText;
};
