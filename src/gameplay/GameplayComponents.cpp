#include "gameplay/GameplayComponents.h"

#include "gameplay/BossForceFieldManager.h"
#include "gameplay/BossWallExplosion.h"
#include "gameplay/DepressurizationEffect.h"
#include "gameplay/DragManager.h"
#include "gameplay/FlickerOnDeath.h"
#include "gameplay/PressureTracker.h"
#include "gameplay/ShipMap.h"
#include "gameplay/ShipThruster.h"
#include "gameplay/SimpleDoorLogic.h"
#include "gameplay/SimpleForceFieldLogic.h"
#include "gameplay/WallLogic.h"

void RegisterGameplayComponents(ComponentFactoryMap& factories)
{
  AddComponentFactory<FlickerOnDeath>(factories, "FlickerOnDeath");
  AddComponentFactory<PressureTracker>(factories, "PressureTracker");
  AddComponentFactory<ShipMap>(factories, "ShipMap");
  AddComponentFactory<BossForceFieldManager>(factories, "BossForceFieldManager");
  AddComponentFactory<BossWallExplosion>(factories, "BossWallExplosion");
  AddComponentFactory<WallLogic>(factories, "WallLogic");
  AddComponentFactory<DepressurizationEffect>(factories, "DepressurizationEffect");
  AddComponentFactory<SimpleDoorLogic>(factories, "SimpleDoorLogic");
  AddComponentFactory<SimpleForceFieldLogic>(factories, "SimpleForceFieldLogic");
  AddComponentFactory<DragManager>(factories, "DragManager");
  AddComponentFactory<ShipThruster>(factories, "ShipThruster");
}
