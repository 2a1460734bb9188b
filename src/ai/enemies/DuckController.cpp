#include "ai/enemies/DuckController.h"

namespace
{
// A duck wobbles on its way in.
constexpr GroundEnemyController::Design Duck{false, true, 1.0f, 600.0f};
}

DuckController::DuckController() : GroundEnemyController(TypeId, "DuckController", Duck) {}
