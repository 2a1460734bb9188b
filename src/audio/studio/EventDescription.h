#pragma once
// An event as a bank defines it: what to play and how. A value handle like EventInstance; it
// goes stale when its bank is unloaded.
#include "audio/studio/StudioTypes.h"

#include <cstdint>
#include <string>

namespace Studio
{
class EventInstance;
class System;

class EventDescription
{
public:
  EventDescription() = default;

  explicit operator bool() const { return systemId != 0; }
  bool isValid() const;

  Result createInstance(EventInstance* instance) const;
  // Loads the sample now and keeps it until the bank is unloaded. Without this call the sample
  // is loaded by the first instance that starts.
  Result loadSampleData() const;
  // Stops every instance of this event at once and destroys them.
  Result releaseAllInstances() const;
  Result getInstanceCount(int* count) const;
  Result getId(std::string* id) const;
  Result isLooping(bool* looping) const;
  Result hasSustain(bool* sustain) const;

  bool operator==(const EventDescription& other) const
  {
    return systemId == other.systemId && slot == other.slot && generation == other.generation;
  }
  bool operator!=(const EventDescription& other) const { return !(*this == other); }

private:
  friend class System;
  friend class EventInstance;
  EventDescription(std::uint32_t system, std::uint32_t slotIndex, std::uint32_t slotGeneration)
      : systemId(system), slot(slotIndex), generation(slotGeneration)
  {
  }

  std::uint32_t systemId = 0;
  std::uint32_t slot = 0;
  std::uint32_t generation = 0;
};
}  // namespace Studio
