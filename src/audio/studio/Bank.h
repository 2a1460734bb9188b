#pragma once
// A loaded bank file. A value handle like EventInstance; unload destroys the bank's events and
// their instances and makes every handle to them stale.
#include "audio/studio/StudioTypes.h"

#include <cstdint>

namespace Studio
{
class System;

class Bank
{
public:
  Bank() = default;

  explicit operator bool() const { return systemId != 0; }
  bool isValid() const;

  Result unload();
  Result getEventCount(int* count) const;

private:
  friend class System;
  Bank(std::uint32_t system, std::uint32_t slotIndex, std::uint32_t slotGeneration)
      : systemId(system), slot(slotIndex), generation(slotGeneration)
  {
  }

  std::uint32_t systemId = 0;
  std::uint32_t slot = 0;
  std::uint32_t generation = 0;
};
}  // namespace Studio
