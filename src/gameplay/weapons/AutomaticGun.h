#pragma once
// A gun that fires for as long as it is used, as fast as its fire cooldown allows: the base
// gun's own rhythm under a type of its own.
#include "gameplay/weapons/Gun.h"

class AutomaticGun : public Gun
{
public:
  static constexpr std::uint32_t TypeId = COMP_AutomaticGun;

  AutomaticGun() : Gun(TypeId) {}
  AutomaticGun& operator=(const AutomaticGun& other) = default;
};
