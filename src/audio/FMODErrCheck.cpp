#include "audio/FMODErrCheck.h"

#include "core/Log.h"
#include "platform/Assert.h"

void FMODErrCheck(Studio::Result result)
{
  if (result == Studio::Result::Ok)
    return;
  // Sounds are played every frame: one kind of failure is reported once, not per sound.
  const std::string problem = Studio::ResultText(result);
  if (!LogOnce("FMODErrCheck " + problem, LogLevel::Error, "FMOD PROBLEMS... (", problem, ")"))
    return;
  Assert("FMOD PROBLEMS...", 14, "source\\SoundSystem", "FMODErrCheck");
  DebugBreakIfAttached();
}
