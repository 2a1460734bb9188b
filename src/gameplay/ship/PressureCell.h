#pragma once
// The air of one tile of the ship: the zone it belongs to and, once its zone is open to space,
// the direction in which its air leaves (towards the tile it was reached from, so following the
// flows leads to the breach along a shortest open path).
#include <cstdint>
#include <glm/vec2.hpp>

namespace PressureZone
{
constexpr int Unassigned = -1;
// Open to space.
constexpr int Outside = -2;
}  // namespace PressureZone

struct PressureCell
{
  int zone = PressureZone::Unassigned;
  glm::vec2 flow{0.0f, 0.0f};  // each component -1, 0 or 1
  int breach = 0;              // the breach that last set the flow
  std::uint32_t x = 0;
  std::uint32_t y = 0;
};
