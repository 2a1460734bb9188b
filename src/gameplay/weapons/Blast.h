#pragma once
// An explosion (the "Blast" prefab) that rockets and bombs leave behind. On waking it sounds,
// shakes the camera and stretches its sprite's animation over its "duration". Its collider
// strikes everything it overlaps in its first step of contacts and then goes off; the damage is
// done by each struck Health from the blast's Damage. The object removes itself when the
// animation is over (after "duration" when it has no sprite).
#include "audio/Sound.h"
#include "object/Component.h"

class CollisionEvent;
class UpdateEvent;

class Blast : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_Blast;
  static constexpr const char* ExplosionSoundPath = "event:/SFX/ExplosionV2";

  Blast() : Component(TypeId) {}
  Blast& operator=(const Blast&) = default;

  void OnAwake() override;
  void GetMembers(std::vector<MemberBase*>& members) override;

  void On(CollisionEvent* event);
  void On(UpdateEvent* event);

  float GetDuration() const { return duration; }
  float GetElapsed() const { return elapsed; }

private:
  float duration = 5.0f;  // seconds the explosion lasts
  float elapsed = 0.0f;
  float screenShake = 0.15f;
  Sound explosionSound;
};
