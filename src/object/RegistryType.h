#pragma once
// The lists of the registry in which an object can enrol.
#include "object/EnumNames.h"

enum class RegistryType : int
{
  NONE,
  PLAYERS,
  ENEMIES,
  SHIPS,
  LOOT,
  WEAPONS,
  INTERACTABLES,
  CAMERAS,
  HEALTH_INDICATOR,
  OW_CORVA,
  BOUNDARIES,
  RT_COUNT
};

template <>
struct EnumNames<RegistryType>
{
  static constexpr std::size_t count = static_cast<std::size_t>(RegistryType::RT_COUNT);
  static constexpr const char* names[count + 1] = {"NONE",          "PLAYERS", "ENEMIES",          "SHIPS",
                                                   "LOOT",          "WEAPONS", "INTERACTABLES",    "CAMERAS",
                                                   "HEALTH_INDICATOR", "OW_CORVA", "BOUNDARIES", "RT_COUNT"};
  static constexpr const char* notFoundMessage = "Did not find Registry type";
  // Older files store registry types as numbers; those index the registry's lists, so only real
  // values are accepted.
  static constexpr bool acceptsNumbers = true;
};
