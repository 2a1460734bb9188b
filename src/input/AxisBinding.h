#pragma once
// One source of a two-dimensional axis: four keys, four controller buttons, or a controller stick.
#include <glm/vec2.hpp>

#include <array>
#include <cstdint>

class Input;

struct AxisBinding
{
  bool isStick = false;      // controller only: the first two codes are analog axis numbers
  bool isController = false;
  std::uint32_t controllerSlot = 0;
  bool invertY = false;
  // +X, -X, +Y, -Y: keycodes or controller buttons; a stick reads only the first two (X axis, Y axis).
  std::array<std::uint32_t, 4> codes{};

  static AxisBinding Keys(std::uint32_t positiveX, std::uint32_t negativeX, std::uint32_t positiveY,
                          std::uint32_t negativeY);
  static AxisBinding ControllerButtons(std::uint32_t slot, std::uint32_t positiveX, std::uint32_t negativeX,
                                       std::uint32_t positiveY, std::uint32_t negativeY);
  static AxisBinding Stick(std::uint32_t slot, std::uint32_t xAxis, std::uint32_t yAxis);

  glm::vec2 Evaluate(const Input& input) const;
};
