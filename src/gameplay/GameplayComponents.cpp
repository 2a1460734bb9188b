#include "gameplay/GameplayComponents.h"

#include "gameplay/FlickerOnDeath.h"

void RegisterGameplayComponents(ComponentFactoryMap& factories)
{
  AddComponentFactory<FlickerOnDeath>(factories, "FlickerOnDeath");
}
