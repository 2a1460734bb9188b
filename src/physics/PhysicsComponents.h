#pragma once
// The component classes of the physics subsystem (how to add one: object/ComponentRegistration.h).
#include "object/ComponentRegistration.h"

void RegisterPhysicsComponents(ComponentFactoryMap& factories);
