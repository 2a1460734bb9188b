#pragma once
// A rocket turns into a "Blast" at its first contact: the blast carries the rocket's
// "blastDamage", the rocket's collider goes off and the rocket is removed.
#include "object/Component.h"

class CollisionEvent;

class RocketLogic : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_RocketLogic;
  static constexpr const char* BlastPrefab = "Blast";

  RocketLogic() : Component(TypeId) {}
  RocketLogic& operator=(const RocketLogic&) = default;

  void OnAwake() override;
  void GetMembers(std::vector<MemberBase*>& members) override;

  // Explodes once: the contacts of a frame's later sub-steps, already queued when the first is
  // handled, make no second blast.
  void On(CollisionEvent* event);

  float GetBlastDamage() const { return blastDamage; }
  void SetBlastDamage(float value) { blastDamage = value; }
  bool HasExploded() const { return exploded; }

private:
  float blastDamage = 0.0f;
  bool exploded = false;
};
