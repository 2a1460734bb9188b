#include "gameplay/ship/ShipTilePalette.h"

#include "gameplay/ship/ShipTile.h"

#include <cstring>

namespace
{
char CodeOf(std::uint32_t flag)
{
  const char low = static_cast<char>(flag & 0xFFu);
  return low != 0 ? low : ShipTile::None;
}
}  // namespace

void ShipTilePalette::CopyFields(const ShipTilePalette& other)
{
  tile[0] = other.tile[0];
  tile[1] = other.tile[1];
  std::memcpy(value, other.value, sizeof(value));
  floorFlag = other.floorFlag;
  sideFlag = other.sideFlag;
  bottomFlag = other.bottomFlag;
}

bool ShipTilePalette::operator==(const ShipTilePalette& other) const
{
  return tile[0] == other.tile[0] && tile[1] == other.tile[1] && std::memcmp(value, other.value, sizeof(value)) == 0 &&
         floorFlag == other.floorFlag && sideFlag == other.sideFlag && bottomFlag == other.bottomFlag;
}

void ShipTilePalette::TakeTickedCodes()
{
  value[0] = CodeOf(floorFlag);
  value[1] = CodeOf(sideFlag);
  value[2] = CodeOf(bottomFlag);
}

void WriteMemberJson(const ShipTilePalette&, Json::Value&) {}

const char* ReadMemberJson(const Json::Value&, ShipTilePalette&)
{
  return nullptr;
}
