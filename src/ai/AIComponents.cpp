#include "ai/AIComponents.h"

#include "ai/boss/BossActionLogic.h"
#include "ai/boss/BossMovementLogic.h"
#include "ai/enemies/AIController.h"
#include "ai/enemies/BanditController.h"
#include "ai/enemies/BearController.h"
#include "ai/enemies/BugController.h"
#include "ai/enemies/DroneCarrierController.h"
#include "ai/enemies/DroneSpawnController.h"
#include "ai/enemies/DuckController.h"
#include "ai/enemies/SimpleBeamDrone.h"
#include "ai/enemies/SimpleTurretController.h"
#include "ai/enemies/TestController.h"
#include "ai/navigation/AimingModule.h"
#include "ai/navigation/PathGraph.h"
#include "ai/ships/EnemyShipController.h"
#include "ai/ships/FactionController.h"
#include "ai/ships/FactionProperty.h"
#include "ai/ships/HardEnemyShipController.h"
#include "ai/ships/SimpleShipSpawner.h"
#include "ai/spawning/EnemyReinforcementSpawner.h"
#include "ai/spawning/SpawnArea.h"
#include "ai/spawning/TeleportSpawn.h"
#include "ai/spawning/Teleporter.h"

void RegisterAIComponents(ComponentFactoryMap& factories)
{
  AddComponentFactory<AIController>(factories, "AIController");
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
  AddComponentFactory<SimpleBeamDrone>(factories, "SimpleBeamDrone");
  AddComponentFactory<SimpleShipSpawner>(factories, "SimpleShipSpawner");
  AddComponentFactory<SimpleTurretController>(factories, "SimpleTurretController");
  AddComponentFactory<SpawnArea>(factories, "SpawnArea");
  AddComponentFactory<TeleportSpawn>(factories, "TeleportSpawn");
  AddComponentFactory<Teleporter>(factories, "Teleporter");
  AddComponentFactory<TestController>(factories, "TestController");
}
