#pragma once
// The ship's layout file: the text form of a ShipMap's grid (tools/make_ship_layouts.py writes
// the shipped ones; the tile editor exports edited ones).
//
// Format. Words separated by any whitespace (blanks, tabs, LF or CR LF line ends); line structure
// does not matter when reading. In order:
//   ship                the magic word, exactly, case-sensitive
//   <width>             decimal, 1 to MaximumSide
//   <height>            decimal, 1 to MaximumSide
//   width x height tile words, the top row (y = height - 1) first, each row left to right.
// A tile word is three characters: the floor code, the side code (wall on the tile's right edge)
// and the bottom code (wall on its bottom edge); '0' means none. Characters past the third are
// ignored, missing ones count as '0'. Codes:
//   floor   '1' bars, '2' ice, '3' slats, '4' alternate bars, 'F' a random deck plate
//   side    'W' wall, 'F' force field
//   bottom  'I' a random wall, 'F' force field, 'D' door, 'B' raised boss wall,
//           'C' 'T' 'S' 'J' 'H' 'R' 'Q' cracked boss walls that blow out 0.33 to 1.33 s after the
//           throne explodes (C first; T, S; J, H; R, Q last)
// Any other printable character is kept and counts as a wall or floor but makes nothing.
// The canonical text, which Format writes: "ship", width and height on lines of their own, then
// one line per row with a blank after every tile:
//   ship
//   3
//   2
//   1W0 10I F00 
//   100 100 100 
//
// Every border tile counts as outside for the air pressure, so rooms keep one tile clear of the
// grid's edge; a wall between a room and the outside vents the room when it is blown out.
#include "gameplay/ship/ShipTile.h"

#include <string>
#include <vector>

struct ShipLayout
{
  int width = 0;
  int height = 0;
  std::vector<ShipTile> tiles;  // width x height, index y x width + x; wall bits not set

  ShipTile& At(int x, int y) { return tiles[static_cast<std::size_t>(y) * width + x]; }
  const ShipTile& At(int x, int y) const { return tiles[static_cast<std::size_t>(y) * width + x]; }
};

namespace ShipLayoutFile
{
constexpr const char* MagicWord = "ship";
// Larger grids are refused: each tile becomes up to three objects.
constexpr int MaximumSide = 1024;

// Parses layout text. On success fills `layout` and returns an empty string; otherwise returns
// what is wrong and leaves `layout` as it was.
std::string Parse(const std::string& text, ShipLayout& layout);

// The canonical text of the layout's codes.
std::string Format(const ShipLayout& layout);
}  // namespace ShipLayoutFile
