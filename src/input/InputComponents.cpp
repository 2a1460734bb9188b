#include "input/InputComponents.h"

#include "input/MouseWorldTracker.h"

void RegisterInputComponents(ComponentFactoryMap& factories)
{
  AddComponentFactory<MouseWorldTracker>(factories, "MouseWorldTracker");
}
