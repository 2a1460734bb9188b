#include "input/ControllerSlot.h"

namespace
{
constexpr std::size_t LeftStickY = 1;
constexpr std::size_t RightStickY = 3;
}

float ControllerSlot::AxisValueFromRaw(std::size_t axis, std::int16_t raw)
{
  // The range is one longer below zero than above, so each side gets its own divisor.
  float value = raw > 0 ? static_cast<float>(raw) / 32767.0f : static_cast<float>(raw) * 3.0517578e-05f;
  if (axis == LeftStickY || axis == RightStickY)
    value = -value;
  return value;
}

void ControllerSlot::Open(std::int32_t joystickInstanceId)
{
  ClearStates();
  instanceId = joystickInstanceId;
  open = true;
}

void ControllerSlot::Close()
{
  ClearStates();
  instanceId = -1;
  open = false;
}

void ControllerSlot::Advance()
{
  if (!open)
    return;
  buttons.Advance();
  previousAxes = axes;
}

void ControllerSlot::SetAxis(std::size_t axis, float value)
{
  if (axis < AxisCount)
    axes[axis] = value;
}

float ControllerSlot::GetAxis(std::size_t axis) const
{
  return open && axis < AxisCount ? axes[axis] : 0.0f;
}

float ControllerSlot::GetPreviousAxis(std::size_t axis) const
{
  return open && axis < AxisCount ? previousAxes[axis] : 0.0f;
}

void ControllerSlot::ClearStates()
{
  buttons.Clear();
  axes.fill(0.0f);
  previousAxes.fill(0.0f);
}
