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

bool InputBinding::IsSatisfied(const Input& input) const
{
  const int number = static_cast<int>(code);
  if (!isController)
  {
    if (isMouse)
      return triggered ? input.IsMouseButtonTriggered(number) : input.IsMouseButtonPressed(number);
    const auto key = static_cast<SDL_Keycode>(code);
    return triggered ? input.IsKeyTriggered(key) : input.IsKeyPressed(key);
  }

  const int slot = static_cast<int>(controllerSlot);
  if (isAxis)
  {
    if (!IsInRange(input.GetControllerAxis(slot, number)))
      return false;
    // Triggered: the stick or trigger entered the range in this frame.
    return !triggered || !IsInRange(input.GetPreviousControllerAxis(slot, number));
  }
  return triggered ? input.IsControllerButtonTriggered(slot, number) : input.IsControllerButtonPressed(slot, number);
}

bool InputBinding::IsNewPress(const Input& input) const
{
  const int number = static_cast<int>(code);
  if (isAxis)
    return false;
  if (isController)
    return input.IsControllerButtonTriggered(static_cast<int>(controllerSlot), number);
  if (isMouse)
    return input.IsMouseButtonTriggered(number);
  return input.IsKeyTriggered(static_cast<SDL_Keycode>(code));
}
