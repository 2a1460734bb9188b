#pragma once
// The check every guarded call of the sound layer goes through. The name is the one the rest of
// the game knows it by from the studio interface our layer stands in for.
#include "audio/studio/StudioTypes.h"

// Does nothing for Ok. Any other result is reported as "FMOD PROBLEMS..." (once per kind of
// failure) and stops in the debugger when one is attached; without one the game goes on without
// that sound.
void FMODErrCheck(Studio::Result result);
