#pragma once
// The ship map's tile editor and palette window, drawn by the inspector under the map's "Map
// Editor" member while the game runs: the designer ticks the codes to paint, the tile under the
// mouse is marked, and a click (or "Set tile") paints it; "Export to" writes the grid to the map's
// layout file. What it edits is the map's ShipTilePalette (gameplay/ship/ShipTilePalette.h).
class ShipTilePalette;

class ShipTileEditorAndPalletWindow
{
public:
  explicit ShipTileEditorAndPalletWindow(ShipTilePalette& edited) : palette(edited) {}

  // Draws the widgets and acts on them; once per frame while the inspector shows the map.
  void Render();

private:
  ShipTilePalette& palette;
};
