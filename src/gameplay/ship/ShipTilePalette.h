#pragma once
// The ship map's tile palette: the tile a designer points at and the codes ticked to paint on it
// (a random deck plate, a side wall, a random bottom wall). The map owns it as a member ("Map
// Editor"); the editor draws it and paints the map through it while the game runs, and exports
// the grid to the map's layout file. Everything else a layout holds comes from the file. As a
// reflected member the palette writes nothing to files and reads nothing from them.
#include <cstdint>
#include <json/json.h>
#include <string>

class ShipMap;

class ShipTilePalette
{
public:
  // The codes a designer can tick, one per slot of a tile.
  static constexpr std::uint32_t RandomFloorCode = 'F';
  static constexpr std::uint32_t SideWallCode = 'W';
  static constexpr std::uint32_t RandomBottomWallCode = 'I';

  ShipTilePalette() = default;
  explicit ShipTilePalette(ShipMap* owningMap) : map(owningMap) {}
  // The back pointer stays: a palette belongs to the map that holds it.
  ShipTilePalette(const ShipTilePalette& other) { CopyFields(other); }
  ShipTilePalette& operator=(const ShipTilePalette& other)
  {
    CopyFields(other);
    return *this;
  }

  // Every field but the back pointer.
  bool operator==(const ShipTilePalette& other) const;
  bool operator!=(const ShipTilePalette& other) const { return !(*this == other); }

  // Writes the ticked codes into `value` (floor, side, bottom), ShipTile::None where unticked.
  void TakeTickedCodes();

  int tile[2] = {0, 0};
  char value[4] = {0, 0, 0, 0};
  std::uint32_t floorFlag = 0;
  std::uint32_t sideFlag = 0;
  std::uint32_t bottomFlag = 0;
  ShipMap* map = nullptr;

private:
  void CopyFields(const ShipTilePalette& other);
};

// Writes nothing (the value stays null, so no key is stored) and reads nothing.
void WriteMemberJson(const ShipTilePalette& value, Json::Value& out);
const char* ReadMemberJson(const Json::Value& in, ShipTilePalette& value);
// The member's widget: the label, then the editor's tile window. Drawn with the interface
// library, so it is defined in editor/ShipTileEditorAndPalletWindow.cpp.
void RenderShipTileWindow(const std::string& label, ShipTilePalette* value);
