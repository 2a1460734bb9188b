#include "steering/SteeringComponents.h"

#include "steering/Agent.h"

void RegisterSteeringComponents(ComponentFactoryMap& factories)
{
  AddComponentFactory<Agent>(factories);
}
