#pragma once
// The component classes of the audio subsystem (how to add one: object/ComponentRegistration.h).
#include "object/ComponentRegistration.h"

void RegisterAudioComponents(ComponentFactoryMap& factories);
