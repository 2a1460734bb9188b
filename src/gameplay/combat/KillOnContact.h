#pragma once
// A deadly hazard: when the player touches it, the camera rushes in, the player stops reacting to
// anything, a "ShipDeathBlast" goes off where the player stood, and two seconds later the run is
// over (DiedEvent to the space). The delay is not restored, so a later touch ends the run on the
// next update.
#include "object/Component.h"

class CollisionEvent;
class UpdateEvent;

class KillOnContact : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_KillOnContact;
  static constexpr const char* BlastPrefab = "ShipDeathBlast";

  KillOnContact() : Component(TypeId) {}
  KillOnContact& operator=(const KillOnContact&) = default;

  void OnAwake() override;

  void On(UpdateEvent* event);
  // A touch while the countdown runs changes nothing: the physics reports the same touch every
  // sub-step, and each used to set off one more blast.
  void On(CollisionEvent* event);

  bool IsTriggered() const { return triggered; }
  float GetDeathDelay() const { return deathDelay; }

private:
  bool triggered = false;
  float deathDelay = 2.0f;
};
