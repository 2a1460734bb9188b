#pragma once
// One tile of the ship's grid: what stands on it (a floor), on its right edge (the side wall) and
// on its bottom edge (the bottom wall), each as a one-character code with '0' for nothing, and a
// byte with one bit per edge that has a wall of any kind. An edge between two tiles is stored once,
// in the tile left of it or above it, and mirrored in the wall bits of both.
#include <cstdint>

namespace ShipWall
{
// The wall bits, by edge of the tile.
constexpr std::uint8_t Top = 1;
constexpr std::uint8_t Right = 4;
constexpr std::uint8_t Bottom = 16;
constexpr std::uint8_t Left = 64;
}  // namespace ShipWall

struct ShipTile
{
  static constexpr char None = '0';

  char floor = None;
  char side = None;
  char bottom = None;
  std::uint8_t walls = 0;

  bool operator==(const ShipTile& other) const
  {
    return floor == other.floor && side == other.side && bottom == other.bottom && walls == other.walls;
  }
  bool operator!=(const ShipTile& other) const { return !(*this == other); }
};
