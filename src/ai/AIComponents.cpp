#include "ai/AIComponents.h"

#include "ai/AIController.h"
#include "ai/Agent.h"
#include "ai/AimingModule.h"
#include "ai/PathGraph.h"
#include "ai/ShipController.h"

void RegisterAIComponents(ComponentFactoryMap& factories)
{
  AddComponentFactory<AIController>(factories, "AIController");
  AddComponentFactory<Agent>(factories, "Agent");
  AddComponentFactory<AimingModule>(factories, "AimingModule");
  AddComponentFactory<PathGraph>(factories, "PathGraph");
  AddComponentFactory<ShipController>(factories, "ShipController");
}
