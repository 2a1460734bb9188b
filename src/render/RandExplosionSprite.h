#pragma once
// At wake-up its object's sprite takes one of the four explosion drawings, chosen at random.
#include "object/Component.h"
#include "object/MissingSiblingWarning.h"

#include <array>

class RandExplosionSprite : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_RandExplosionSprite;
  static const std::array<const char*, 4> Pictures;

  RandExplosionSprite();
  ~RandExplosionSprite() override;
  RandExplosionSprite& operator=(const RandExplosionSprite&) = default;

  void OnAwake() override;

private:
  MissingSiblingWarning missingSprite;
};
