#pragma once
// A semi-automatic gun that fires a short burst per pull: the first shot at once, the others one
// per expiry of the time between burst shots (at most one a frame). A burst runs to its end even
// when the magazine empties or a reload begins.
#include "gameplay/weapons/SemiAutoGun.h"

class BurstGun : public SemiAutoGun
{
public:
  static constexpr std::uint32_t TypeId = COMP_BurstGun;

  BurstGun() : SemiAutoGun(TypeId) {}
  BurstGun& operator=(const BurstGun& other) = default;

  void GetMembers(std::vector<MemberBase*>& members) override;

  void On(UseEvent* event) override;
  void On(UpdateEvent* event) override;
  bool CanShoot() const override;

  int GetBurstBulletCounter() const { return burstBulletCounter; }

private:
  unsigned shotsPerBurst = 3;
  float timeBetweenBurstShots = 0.01f;
  int burstBulletCounter = 0;  // shots of the current burst still to fire
  float burstTimer = 0.0f;
};
