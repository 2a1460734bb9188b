#pragma once
// The boss's gun: each shot is a symmetric fan. With h = "shots" / 2 it fires 2h - 1 projectiles,
// "sprayArc" / "shots" apart, about the gun's x axis: the centre one and those turned clockwise
// take the gun's spread, those turned counter-clockwise fly true. A fan spends no ammunition;
// the magazine only has to hold more than a trace for the gun to fire.
#include "gameplay/weapons/Gun.h"

class BossGun : public Gun
{
public:
  static constexpr std::uint32_t TypeId = COMP_BossGun;
  // The name every projectile of a fan carries.
  static constexpr const char* ProjectileName = "TEST";

  BossGun() : Gun(TypeId) {}
  BossGun& operator=(const BossGun& other) = default;

  void GetMembers(std::vector<MemberBase*>& members) override;

  // Fires a fan whenever the gun can; the use's flags and slot are not read.
  void On(UseEvent* event) override;
  using Gun::On;

  void SpreadShoot();

  int GetShots() const { return shots; }
  float GetSprayArc() const { return sprayArc; }

private:
  int shots = 0;
  float sprayArc = 2.6179938f;  // 150 degrees
};
