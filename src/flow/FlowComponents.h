#pragma once
// The component classes of the game flow, camera and interface subsystem (how to add one: object/ComponentRegistration.h).
#include "object/ComponentRegistration.h"

void RegisterFlowComponents(ComponentFactoryMap& factories);
