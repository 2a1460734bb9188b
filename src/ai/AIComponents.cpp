#include "ai/AIComponents.h"

#include "ai/AIController.h"
#include "ai/Agent.h"
#include "ai/AimingModule.h"
#include "ai/BanditController.h"
#include "ai/BearController.h"
#include "ai/BossActionLogic.h"
#include "ai/BossMovementLogic.h"
#include "ai/BugController.h"
#include "ai/DroneCarrierController.h"
#include "ai/DroneSpawnController.h"
#include "ai/DuckController.h"
#include "ai/EnemyReinforcementSpawner.h"
#include "ai/EnemyShipController.h"
#include "ai/FactionController.h"
#include "ai/FactionProperty.h"
#include "ai/HardEnemyShipController.h"
#include "ai/PathGraph.h"
#include "ai/ShipController.h"
#include "ai/SimpleBeamDrone.h"
#include "ai/SimpleShipSpawner.h"
#include "ai/SimpleTurretController.h"
#include "ai/SpawnArea.h"
#include "ai/TeleportSpawn.h"
#include "ai/TestController.h"
#include "ai/Teleporter.h"

void RegisterAIComponents(ComponentFactoryMap& factories)
{
  AddComponentFactory<AIController>(factories, "AIController");
  AddComponentFactory<Agent>(factories, "Agent");
  AddComponentFactory<AimingModule>(factories, "AimingModule");
  AddComponentFactory<BanditController>(factories, "BanditController");
  AddComponentFactory<BearController>(factories, "BearController");
  AddComponentFactory<BossActionLogic>(factories, "BossActionLogic");
  AddComponentFactory<BossMovementLogic>(factories, "BossMovementLogic");
  AddComponentFactory<BugController>(factories, "BugController");
  AddComponentFactory<DroneCarrierController>(factories, "DroneCarrierController");
  AddComponentFactory<DroneSpawnController>(factories, "DroneSpawnController");
  AddComponentFactory<DuckController>(factories, "DuckController");
  AddComponentFactory<EnemyReinforcementSpawner>(factories, "EnemyReinforcementSpawner");
  AddComponentFactory<EnemyShipController>(factories, "EnemyShipController");
  AddComponentFactory<FactionController>(factories, "FactionController");
  AddComponentFactory<FactionProperty>(factories, "FactionProperty");
  AddComponentFactory<HardEnemyShipController>(factories, "HardEnemyShipController");
  AddComponentFactory<PathGraph>(factories, "PathGraph");
  AddComponentFactory<ShipController>(factories, "ShipController");
  AddComponentFactory<SimpleBeamDrone>(factories, "SimpleBeamDrone");
  AddComponentFactory<SimpleShipSpawner>(factories, "SimpleShipSpawner");
  AddComponentFactory<SimpleTurretController>(factories, "SimpleTurretController");
  AddComponentFactory<SpawnArea>(factories, "SpawnArea");
  AddComponentFactory<TeleportSpawn>(factories, "TeleportSpawn");
  AddComponentFactory<Teleporter>(factories, "Teleporter");
  AddComponentFactory<TestController>(factories, "TestController");
}
