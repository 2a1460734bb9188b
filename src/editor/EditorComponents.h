#pragma once
// The component classes of the editor subsystem (how to add one: object/ComponentRegistration.h).
#include "object/ComponentRegistration.h"

void RegisterEditorComponents(ComponentFactoryMap& factories);
