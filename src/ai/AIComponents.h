#pragma once
// The component classes of the AI subsystem (how to add one: object/ComponentRegistration.h).
#include "object/ComponentRegistration.h"

void RegisterAIComponents(ComponentFactoryMap& factories);
