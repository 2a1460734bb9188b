#pragma once
// The component classes of the steering library (how to add one: object/ComponentRegistration.h).
#include "object/ComponentRegistration.h"

void RegisterSteeringComponents(ComponentFactoryMap& factories);
