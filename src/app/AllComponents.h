#pragma once
// Every component class of the program: each subsystem's registration function, called once.
#include "object/ComponentRegistration.h"

void RegisterAllComponents(ComponentFactoryMap& factories);
