#pragma once
// A semi-automatic gun that fires a volley of pellets per shot, each with its own speed jitter
// and spread, at the price of one shot's ammunition. It reloads a shell per step, can be fired in
// the middle of a reload, and plays its pump sound a moment after a shot that leaves shells in
// the magazine and after a completed reload (in the player's hands only).
#include "gameplay/weapons/SemiAutoGun.h"

class Shotgun : public SemiAutoGun
{
public:
  static constexpr std::uint32_t TypeId = COMP_Shotgun;
  // More pellets than this in one volley is taken for a typing slip and cut down to it.
  static constexpr unsigned MostPellets = 100;

  Shotgun() : SemiAutoGun(TypeId) {}
  Shotgun& operator=(const Shotgun& other) = default;

  void OnAwake() override;
  void GetMembers(std::vector<MemberBase*>& members) override;

  void On(UseEvent* event) override { UseInterruptingReload(*event); }
  void On(UpdateEvent* event) override;
  void Reload() override { ReloadOneRound(); }
  // The volley.
  void Shoot() override;

  float GetPumpCountdown() const { return pumpCountdown; }

protected:
  void StopReload() override;

private:
  unsigned projectilesPerShot = 10;
  float velocityRange = 200.0f;
  unsigned reloadSoundsPlayed = 0;  // stored with the gun; nothing reads it
  Sound pumpSound;
  float pumpDelay = 0.2f;
  float pumpCountdown = 0.0f;
};
