#include "input/InputBinding.h"

#include "input/Input.h"

InputBinding InputBinding::Key(std::uint32_t keycode, bool triggered)
{
  InputBinding binding;
  binding.code = keycode;
  binding.triggered = triggered;
  return binding;
}

InputBinding InputBinding::MouseButton(std::uint32_t button, bool triggered)
{
  InputBinding binding;
  binding.isMouse = true;
  binding.code = button;
  binding.triggered = triggered;
  return binding;
}

InputBinding InputBinding::ControllerButton(std::uint32_t slot, std::uint32_t button, bool triggered)
{
  InputBinding binding;
  binding.isController = true;
  binding.controllerSlot = slot;
  binding.code = button;
  binding.triggered = triggered;
  return binding;
}

InputBinding InputBinding::ControllerAxis(std::uint32_t slot, std::uint32_t axis, float minimum, float maximum,
                                          bool triggered)
{
  InputBinding binding;
  binding.isController = true;
  binding.controllerSlot = slot;
  binding.isAxis = true;
  binding.code = axis;
  binding.rangeMinimum = minimum;
  binding.rangeMaximum = maximum;
  binding.triggered = triggered;
  return binding;
}

bool InputBinding::IsButtonDown(const Input& input, bool thisFrame) const
{
  const int number = static_cast<int>(code);
  if (isController)
  {
    const int slot = static_cast<int>(controllerSlot);
    return thisFrame ? input.IsControllerButtonTriggered(slot, number) : input.IsControllerButtonPressed(slot, number);
  }
  if (isMouse)
    return thisFrame ? input.IsMouseButtonTriggered(number) : input.IsMouseButtonPressed(number);
  const auto key = static_cast<SDL_Keycode>(code);
  return thisFrame ? input.IsKeyTriggered(key) : input.IsKeyPressed(key);
}

bool InputBinding::IsSatisfied(const Input& input) const
{
  if (!isController || !isAxis)
    return IsButtonDown(input, triggered);
  const int slot = static_cast<int>(controllerSlot);
  const int number = static_cast<int>(code);
  if (!IsInRange(input.GetControllerAxis(slot, number)))
    return false;
  // Triggered: the stick or trigger entered the range in this frame.
  return !triggered || !IsInRange(input.GetPreviousControllerAxis(slot, number));
}

bool InputBinding::IsNewPress(const Input& input) const
{
  return !isAxis && IsButtonDown(input, true);
}
