#pragma once
// Makes the ParticleSystem of its object spawn converging particles: each one starts on the ring
// and flies back towards the origin point (optionally turned by the velocity angles), for
// imploding or swirling effects.
#include "object/Component.h"
#include "object/MissingSiblingWarning.h"

class ParticleAInitFunc1 : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_ParticleAInitFunc1;

  ParticleAInitFunc1();
  ParticleAInitFunc1& operator=(const ParticleAInitFunc1&) = default;

  void OnAwake() override;

private:
  MissingSiblingWarning missingSystem;
};
