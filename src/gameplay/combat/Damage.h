#pragma once
// How much a striking object (a projectile, a blast, a hazard) takes off the Health it touches.
// Guns write their damage onto each projectile they fire.
#include "object/Component.h"

class Damage : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_Damage;

  Damage() : Component(TypeId) {}
  Damage& operator=(const Damage& other) = default;

  void GetMembers(std::vector<MemberBase*>& members) override;

  float GetDamage() const { return damage; }
  void SetDamage(float value) { damage = value; }

private:
  float damage = 0.0f;
};
