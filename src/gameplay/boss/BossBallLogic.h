#pragma once
// The boss's death ball. It hurts a player it touches by a fixed 0.5 per contact event (so more
// for every physics step spent touching), and when its timed destruction runs out it bursts into
// a "Blast" where it is.
#include "object/Component.h"

class CollisionEvent;
class ExplosionEvent;

class BossBallLogic : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_BossBallLogic;
  static constexpr float ContactDamage = 0.5f;

  BossBallLogic() : Component(TypeId) {}
  BossBallLogic& operator=(const BossBallLogic& other) = default;

  void OnAwake() override;
  void GetMembers(std::vector<MemberBase*>& members) override;

  void On(CollisionEvent* event);
  void On(ExplosionEvent* event);

private:
  // Kept for the level files that set it; the contact damage is fixed.
  float damagePerSecond = 0.0f;
};
