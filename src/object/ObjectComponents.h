#pragma once
// The component classes of the object subsystem (how to add one: object/ComponentRegistration.h).
#include "object/ComponentRegistration.h"

void RegisterObjectComponents(ComponentFactoryMap& factories);
