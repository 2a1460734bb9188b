#pragma once
// A semi-automatic gun that reloads one rocket per reload step and can be fired in the middle of
// a reload, which ends it.
#include "gameplay/weapons/SemiAutoGun.h"

class RocketLauncher : public SemiAutoGun
{
public:
  static constexpr std::uint32_t TypeId = COMP_RocketLauncher;

  RocketLauncher() : SemiAutoGun(TypeId) {}
  RocketLauncher& operator=(const RocketLauncher& other) = default;

  void On(UseEvent* event) override { UseInterruptingReload(*event); }
  void Reload() override { ReloadOneRound(); }
};
