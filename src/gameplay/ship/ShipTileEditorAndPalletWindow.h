#pragma once
// The ship map's tile editor and palette: while the game runs, the inspector draws it under the
// map's "Map Editor" member, and a designer paints the tile under the mouse with the ticked codes
// (a random deck plate, a side wall, a random bottom wall) or exports the grid to the map's layout
// file. Everything else a layout holds comes from the file.
//
// The map owns its window as data; the drawing is the editor's, so Render and the member widget
// are defined in editor/ShipTileEditorAndPalletWindow.cpp. As a reflected member the window
// writes nothing to files and reads nothing from them.
#include <cstdint>
#include <json/json.h>
#include <string>

class ShipMap;

class ShipTileEditorAndPalletWindow
{
public:
  ShipTileEditorAndPalletWindow() = default;
  explicit ShipTileEditorAndPalletWindow(ShipMap* owningMap) : map(owningMap) {}
  // The back pointer stays: a window belongs to the map that holds it.
  ShipTileEditorAndPalletWindow(const ShipTileEditorAndPalletWindow& other) { CopyFields(other); }
  ShipTileEditorAndPalletWindow& operator=(const ShipTileEditorAndPalletWindow& other)
  {
    CopyFields(other);
    return *this;
  }

  // Draws the widgets and acts on them; once per frame while the inspector shows the map.
  void Render();

  // Every field but the back pointer.
  bool operator==(const ShipTileEditorAndPalletWindow& other) const;
  bool operator!=(const ShipTileEditorAndPalletWindow& other) const { return !(*this == other); }

  int tile[2] = {0, 0};
  char value[4] = {0, 0, 0, 0};
  std::uint32_t floorFlag = 0;
  std::uint32_t sideFlag = 0;
  std::uint32_t bottomFlag = 0;
  ShipMap* map = nullptr;

private:
  void CopyFields(const ShipTileEditorAndPalletWindow& other);
};

// Writes nothing (the value stays null, so no key is stored) and reads nothing.
void WriteMemberJson(const ShipTileEditorAndPalletWindow& value, Json::Value& out);
const char* ReadMemberJson(const Json::Value& in, ShipTileEditorAndPalletWindow& value);
// The member's widget: the label, then the window.
void RenderShipTileWindow(const std::string& label, ShipTileEditorAndPalletWindow* value);
