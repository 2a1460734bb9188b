#include "audio/FMODErrCheck.h"

#include "platform/Assert.h"

void FMODErrCheck(Studio::Result result)
{
  if (result == Studio::Result::Ok)
    return;
  Assert("FMOD PROBLEMS...", 14, "source\\SoundSystem", "FMODErrCheck");
  DebugBreakIfAttached();
}
