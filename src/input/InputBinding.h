#pragma once
// One way to trigger an action: a key, a mouse button, a controller button, or a controller axis
// inside a range. Held bindings answer while their condition holds, triggered ones only in the
// frame it starts.
#include <cstdint>

class Input;

struct InputBinding
{
  bool isController = false;
  std::uint32_t controllerSlot = 0;  // 0..3
  bool isAxis = false;               // controller only: the code names an axis, not a button
  bool triggered = false;
  float rangeMinimum = 0.0f;         // axis bindings only; both ends are inclusive
  float rangeMaximum = 0.0f;
  bool isMouse = false;              // not controller: the code is a mouse-button index
  std::uint32_t code = 0;            // SDL keycode, mouse button 0..4, controller button or axis

  static InputBinding Key(std::uint32_t keycode, bool triggered);
  static InputBinding MouseButton(std::uint32_t button, bool triggered);
  static InputBinding ControllerButton(std::uint32_t slot, std::uint32_t button, bool triggered);
  static InputBinding ControllerAxis(std::uint32_t slot, std::uint32_t axis, float minimum, float maximum,
                                     bool triggered);

  bool IsSatisfied(const Input& input) const;
  // A key or button of the binding went down during this frame (also when it came up again before
  // the frame read it). Axis bindings never do: a stick hovering at its threshold would otherwise
  // count as a stream of presses.
  bool IsNewPress(const Input& input) const;

private:
  bool IsInRange(float value) const { return rangeMinimum <= value && value <= rangeMaximum; }
  // The key or button held down, or (thisFrame) gone down during this frame.
  bool IsButtonDown(const Input& input, bool thisFrame) const;
};
