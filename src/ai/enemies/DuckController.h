#pragma once
// Drives a duck: see GroundEnemyController.
#include "ai/enemies/GroundEnemyController.h"

class DuckController : public GroundEnemyController
{
public:
  static constexpr std::uint32_t TypeId = COMP_DuckController;

  DuckController();
};
