#pragma once
// The sides an object can fight for.
#include "object/EnumNames.h"

enum class TeamEnum : int
{
  PLAYER,
  ENEMY,
  NO_TEAM,
  COUNT
};

template <>
struct EnumNames<TeamEnum>
{
  static constexpr std::size_t count = static_cast<std::size_t>(TeamEnum::COUNT);
  static constexpr const char* names[count + 1] = {"PLAYER", "ENEMY", "NO_TEAM", "COUNT"};
  static constexpr const char* notFoundMessage = "Did not find team";
  static constexpr bool acceptsNumbers = false;
};
