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
  AddComponentFactory<AIController>(factories);
  AddComponentFactory<AimingModule>(factories);
  AddComponentFactory<BanditController>(factories);
  AddComponentFactory<BearController>(factories);
  AddComponentFactory<BossActionLogic>(factories);
  AddComponentFactory<BossMovementLogic>(factories);
  AddComponentFactory<BugController>(factories);
  AddComponentFactory<DroneCarrierController>(factories);
  AddComponentFactory<DroneSpawnController>(factories);
  AddComponentFactory<DuckController>(factories);
  AddComponentFactory<EnemyReinforcementSpawner>(factories);
  AddComponentFactory<EnemyShipController>(factories);
  AddComponentFactory<FactionController>(factories);
  AddComponentFactory<FactionProperty>(factories);
  AddComponentFactory<HardEnemyShipController>(factories);
  AddComponentFactory<PathGraph>(factories);
  AddComponentFactory<SimpleBeamDrone>(factories);
  AddComponentFactory<SimpleShipSpawner>(factories);
  AddComponentFactory<SimpleTurretController>(factories);
  AddComponentFactory<SpawnArea>(factories);
  AddComponentFactory<TeleportSpawn>(factories);
  AddComponentFactory<Teleporter>(factories);
  AddComponentFactory<TestController>(factories);
}
