#pragma once
// The output side of a studio system: the mix format it asks the device for.
#include "audio/studio/StudioTypes.h"

namespace Studio
{
class System;

class LowLevelSystem
{
public:
  explicit LowLevelSystem(System& owner) : system(owner) {}

  // Sample rate 0 keeps the default (48 kHz). The device may give another rate or fewer
  // channels; the mixer follows what it gives. Only before initialize.
  Result setSoftwareFormat(int sampleRate, SpeakerMode speakerMode, int rawSpeakers);

private:
  System& system;
};
}  // namespace Studio
