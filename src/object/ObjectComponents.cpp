#include "object/ObjectComponents.h"

#include "object/ChildSpawner.h"
#include "object/Registerer.h"
#include "object/TimedDestruction.h"
#include "object/Transform.h"

void RegisterObjectComponents(ComponentFactoryMap& factories)
{
  AddComponentFactory<Transform>(factories);
  AddComponentFactory<ChildSpawner>(factories);
  AddComponentFactory<Registerer>(factories);
  AddComponentFactory<TimedDestruction>(factories);
}
