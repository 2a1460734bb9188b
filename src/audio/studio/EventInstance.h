#pragma once
// One playing (or playable) copy of an event. A value handle: it names a slot of its system by
// generation, so a copy kept after the instance was destroyed, or after its system was released,
// makes every call return ErrorInvalidHandle and do nothing. A default handle is null.
#include "audio/studio/StudioTypes.h"

#include <cstdint>

namespace Studio
{
class EventDescription;
class System;

class EventInstance
{
public:
  EventInstance() = default;

  // True when the handle names an instance at all, live or not (a null handle is false).
  explicit operator bool() const { return systemId != 0; }
  // True while the named instance exists.
  bool isValid() const;

  Result start();  // from the beginning; a playing instance restarts
  Result stop(StopMode mode);
  Result setPaused(bool paused);
  Result getPaused(bool* paused) const;
  Result setVolume(float volume);  // linear gain; non-finite values are refused
  Result getVolume(float* volume) const;
  Result setPitch(float pitch);    // playback speed factor; non-finite or non-positive refused
  Result getPitch(float* pitch) const;
  Result triggerCue();             // leave the sustain loop and play the tail
  Result getPlaybackState(PlaybackState* state) const;
  Result getDescription(EventDescription* description) const;
  // The instance is destroyed by itself once it has stopped; the handle works until then.
  Result release();

  bool operator==(const EventInstance& other) const
  {
    return systemId == other.systemId && slot == other.slot && generation == other.generation;
  }
  bool operator!=(const EventInstance& other) const { return !(*this == other); }

private:
  friend class System;
  EventInstance(std::uint32_t system, std::uint32_t slotIndex, std::uint32_t slotGeneration)
      : systemId(system), slot(slotIndex), generation(slotGeneration)
  {
  }

  std::uint32_t systemId = 0;
  std::uint32_t slot = 0;
  std::uint32_t generation = 0;
};
}  // namespace Studio
