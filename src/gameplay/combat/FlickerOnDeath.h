#pragma once
// When its object dies, the object stops colliding, blinks ever faster while it fades for three
// seconds, reports the end of its death animation and is destroyed. Each wait between blinks is
// a twentieth of the time left, and each blink takes 5 % off the sprite's opacity.
#include "object/Component.h"
#include "object/MissingSiblingWarning.h"

class DiedEvent;
class Sprite;
class UpdateEvent;

class FlickerOnDeath : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_FlickerOnDeath;
  static constexpr float Duration = 3.0f;

  FlickerOnDeath();
  ~FlickerOnDeath() override;
  FlickerOnDeath& operator=(const FlickerOnDeath&) = default;

  void OnAwake() override;

  void On(UpdateEvent* event);
  void On(DiedEvent* event);

  bool IsActive() const { return active; }
  bool IsShown() const { return shown; }
  float GetTimeLeft() const { return timeLeft; }
  float GetNextToggle() const { return nextToggle; }

private:
  void StopColliding();
  Sprite* FindSprite();

  float timeLeft = Duration;
  float nextToggle = 0.0f;
  float toggleFraction = 0.05f;
  bool active = false;
  bool shown = true;
  MissingSiblingWarning missingCollider;
  MissingSiblingWarning missingSprite;
};
