#include "ai/AIComponents.h"

#include "ai/AIController.h"
#include "ai/Agent.h"
#include "ai/AimingModule.h"
#include "ai/BearController.h"
#include "ai/BossActionLogic.h"
#include "ai/BossMovementLogic.h"
#include "ai/BugController.h"
#include "ai/DroneCarrierController.h"
#include "ai/DroneSpawnController.h"
#include "ai/DuckController.h"
#include "ai/PathGraph.h"
#include "ai/ShipController.h"

void RegisterAIComponents(ComponentFactoryMap& factories)
{
  AddComponentFactory<AIController>(factories, "AIController");
  AddComponentFactory<Agent>(factories, "Agent");
  AddComponentFactory<AimingModule>(factories, "AimingModule");
  AddComponentFactory<BearController>(factories, "BearController");
  AddComponentFactory<BossActionLogic>(factories, "BossActionLogic");
  AddComponentFactory<BossMovementLogic>(factories, "BossMovementLogic");
  AddComponentFactory<BugController>(factories, "BugController");
  AddComponentFactory<DroneCarrierController>(factories, "DroneCarrierController");
  AddComponentFactory<DroneSpawnController>(factories, "DroneSpawnController");
  AddComponentFactory<DuckController>(factories, "DuckController");
  AddComponentFactory<PathGraph>(factories, "PathGraph");
  AddComponentFactory<ShipController>(factories, "ShipController");
}
