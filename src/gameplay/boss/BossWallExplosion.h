#pragma once
// A cracked wall of the throne room. It arms when the throne explodes (ThroneExplosionEvent on its
// space) and, once its delay has run, blows itself up with a "Blast"; the ship map then opens the
// edge and the room starts to lose its air. The ship map sets the delay from the wall's tile code.
#include "object/Component.h"

class ThroneExplosionEvent;
class UpdateEvent;

class BossWallExplosion : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_BossWallExplosion;

  BossWallExplosion() : Component(TypeId) {}
  ~BossWallExplosion() override = default;
  BossWallExplosion& operator=(const BossWallExplosion&) = default;

  void OnAwake() override;

  void On(ThroneExplosionEvent* event);
  void On(UpdateEvent* event);

  bool IsArmed() const { return armed; }
  float GetDelay() const { return delay; }
  // Seconds from the throne's explosion to this wall's; negative values count as 0.
  void SetDelay(float seconds) { delay = seconds > 0.0f ? seconds : 0.0f; }

private:
  bool armed = false;
  // A wall the map did not make blows out with the throne.
  float delay = 0.0f;
  bool exploded = false;
};
