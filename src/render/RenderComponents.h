#pragma once
// The component classes of the rendering subsystem (how to add one: object/ComponentRegistration.h).
#include "object/ComponentRegistration.h"

void RegisterRenderComponents(ComponentFactoryMap& factories);
