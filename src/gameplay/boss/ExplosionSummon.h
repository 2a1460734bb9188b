#pragma once
// Sets off blasts around the throne: seven of them, one every quarter second (at most one per
// update), once the throne explodes, and one at once whenever the player interacts with it. Each
// blast lands anywhere in a 600 x 600 square centred on the owner.
#include "object/Component.h"

#include <cstdint>

class InteractionEvent;
class ThroneExplosionEvent;
class UpdateEvent;

class ExplosionSummon : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_ExplosionSummon;
  static constexpr std::uint32_t BlastCount = 7;
  static constexpr float BlastInterval = 0.25f;
  // Half the side of the square the blasts land in.
  static constexpr float BlastReach = 300.0f;

  ExplosionSummon() : Component(TypeId) {}
  ExplosionSummon& operator=(const ExplosionSummon& other) = default;

  void OnAwake() override;

  void On(InteractionEvent* event);
  void On(ThroneExplosionEvent* event);
  void On(UpdateEvent* event);

  bool IsTriggered() const { return triggered; }
  std::uint32_t GetBlastsLeft() const { return blastsLeft; }

private:
  void Blast();

  bool triggered = false;
  std::uint32_t blastsLeft = BlastCount;
  float blastInterval = BlastInterval;
  float blastTimer = BlastInterval;
};
