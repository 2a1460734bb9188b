#include "audio/studio/StudioTypes.h"

namespace Studio
{
const char* ResultText(Result result)
{
  switch (result)
  {
  case Result::Ok: return "no error";
  case Result::ErrorInvalidHandle: return "invalid handle";
  case Result::ErrorInvalidParameter: return "invalid parameter";
  case Result::ErrorNotInitialized: return "system not initialized";
  case Result::ErrorAlreadyInitialized: return "system already initialized";
  case Result::ErrorFileNotFound: return "file not found";
  case Result::ErrorFileBad: return "bad file";
  case Result::ErrorBankAlreadyLoaded: return "bank already loaded";
  case Result::ErrorEventNotFound: return "event not found";
  }
  return "unknown result";
}

int ChannelCountOf(SpeakerMode mode)
{
  switch (mode)
  {
  case SpeakerMode::Mono: return 1;
  case SpeakerMode::Stereo: return 2;
  case SpeakerMode::FivePointOne: return 6;
  case SpeakerMode::Default: break;
  }
  return 2;
}
}  // namespace Studio
