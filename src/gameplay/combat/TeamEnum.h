#pragma once
// The sides an object can fight for.
#include "object/EnumNames.h"

#include <string>

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

namespace Json
{
class Value;
}

// Files store a team as its number, unlike the other named enumerations: these take the place of
// the by-name pair for TeamEnum. Reading also understands a team's name; a number outside
// PLAYER..NO_TEAM, or a name of none, is refused.
void WriteMemberJson(TeamEnum value, Json::Value& out);
const char* ReadMemberJson(const Json::Value& in, TeamEnum& value);

// The inspector's picker of the names above (defined in editor/MemberWidgets.cpp).
void RenderTeam(const std::string& label, TeamEnum* value);
