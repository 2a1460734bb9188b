#include "object/ObjectComponents.h"

#include "object/ChildSpawner.h"
#include "object/Registerer.h"
#include "object/TimedDestruction.h"
#include "object/Transform.h"

void RegisterObjectComponents(ComponentFactoryMap& factories)
{
  AddComponentFactory<Transform>(factories, "Transform");
  AddComponentFactory<ChildSpawner>(factories, "ChildSpawner");
  AddComponentFactory<Registerer>(factories, "Registerer");
  AddComponentFactory<TimedDestruction>(factories, "TimedDestruction");
}
