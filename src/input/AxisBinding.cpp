#include "input/AxisBinding.h"

#include "input/Input.h"

AxisBinding AxisBinding::Keys(std::uint32_t positiveX, std::uint32_t negativeX, std::uint32_t positiveY,
                              std::uint32_t negativeY)
{
  AxisBinding binding;
  binding.codes = {positiveX, negativeX, positiveY, negativeY};
  return binding;
}

AxisBinding AxisBinding::ControllerButtons(std::uint32_t slot, std::uint32_t positiveX, std::uint32_t negativeX,
                                           std::uint32_t positiveY, std::uint32_t negativeY)
{
  AxisBinding binding = Keys(positiveX, negativeX, positiveY, negativeY);
  binding.isController = true;
  binding.controllerSlot = slot;
  return binding;
}

AxisBinding AxisBinding::Stick(std::uint32_t slot, std::uint32_t xAxis, std::uint32_t yAxis)
{
  AxisBinding binding;
  binding.isStick = true;
  binding.isController = true;
  binding.controllerSlot = slot;
  binding.codes = {xAxis, yAxis, 0, 0};
  return binding;
}

glm::vec2 AxisBinding::Evaluate(const Input& input) const
{
  const int slot = static_cast<int>(controllerSlot);
  glm::vec2 value(0.0f, 0.0f);
  if (isController && isStick)
  {
    value.x = input.GetControllerAxis(slot, static_cast<int>(codes[0]));
    value.y = input.GetControllerAxis(slot, static_cast<int>(codes[1]));
  }
  else
  {
    auto isDown = [&](std::uint32_t code) {
      return isController ? input.IsControllerButtonPressed(slot, static_cast<int>(code))
                          : input.IsKeyPressed(static_cast<SDL_Keycode>(code));
    };
    if (isDown(codes[0]))
      value.x += 1.0f;
    if (isDown(codes[1]))
      value.x -= 1.0f;
    if (isDown(codes[2]))
      value.y += 1.0f;
    if (isDown(codes[3]))
      value.y -= 1.0f;
  }
  if (invertY)
    value.y = -value.y;
  return value;
}
