#include "physics/PhysicsComponents.h"

#include "physics/CircleCollider.h"
#include "physics/MapBoundingColliders.h"
#include "physics/RayCastTest.h"
#include "physics/RectangleCollider.h"
#include "physics/Rigidbody.h"
#include "physics/RotationLock.h"
#include "physics/TriggerRegion.h"

void RegisterPhysicsComponents(ComponentFactoryMap& factories)
{
  AddComponentFactory<Rigidbody>(factories);
  AddComponentFactory<RectangleCollider>(factories);
  AddComponentFactory<CircleCollider>(factories);
  AddComponentFactory<RotationLock>(factories);
  AddComponentFactory<RayCastTest>(factories);
  AddComponentFactory<MapBoundingColliders>(factories);
  AddComponentFactory<TriggerRegion>(factories);
}
