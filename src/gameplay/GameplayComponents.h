#pragma once
// The component classes of the player, ship and combat subsystem (how to add one: object/ComponentRegistration.h).
#include "object/ComponentRegistration.h"

void RegisterGameplayComponents(ComponentFactoryMap& factories);
