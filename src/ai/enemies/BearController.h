#pragma once
// Drives a bear: see GroundEnemyController.
#include "ai/enemies/GroundEnemyController.h"

class BearController : public GroundEnemyController
{
public:
  static constexpr std::uint32_t TypeId = COMP_BearController;

  BearController();
};
