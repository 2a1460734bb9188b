#include "ai/enemies/BearController.h"

namespace
{
constexpr GroundEnemyController::Design Bear{false, false, 1.0f, 600.0f};
}

BearController::BearController() : GroundEnemyController(TypeId, "BearController", Bear) {}
