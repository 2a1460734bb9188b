#pragma once
// The component classes of the input subsystem (how to add one: object/ComponentRegistration.h).
#include "object/ComponentRegistration.h"

void RegisterInputComponents(ComponentFactoryMap& factories);
