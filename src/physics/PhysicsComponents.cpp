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
  AddComponentFactory<Rigidbody>(factories, "Rigidbody");
  AddComponentFactory<RectangleCollider>(factories, "RectangleCollider");
  AddComponentFactory<CircleCollider>(factories, "CircleCollider");
  AddComponentFactory<RotationLock>(factories, "RotationLock");
  AddComponentFactory<RayCastTest>(factories, "RayCastTest");
  AddComponentFactory<MapBoundingColliders>(factories, "MapBoundingColliders");
  AddComponentFactory<TriggerRegion>(factories, "TriggerRegion");
}
