#pragma once
// One of the four places a game controller is played from: whether a controller is open in it,
// which joystick instance that is, and its buttons and analog axes for this frame and the last.
#include "input/ButtonStates.h"

#include <array>
#include <cstdint>

class ControllerSlot
{
public:
  // SDL's game-controller numbering: A, B, X, Y, BACK, GUIDE, START, the two stick clicks, the
  // two shoulders and the four d-pad directions. Newer SDL buttons (paddles, touchpad) have no place.
  static constexpr std::size_t ButtonCount = 15;
  // Left X, left Y, right X, right Y, left trigger, right trigger.
  static constexpr std::size_t AxisCount = 6;

  // SDL's signed 16-bit axis value in -1..1, both ends reached exactly, with the two Y axes turned
  // so that a stick pushed up reads positive.
  static float AxisValueFromRaw(std::size_t axis, std::int16_t raw);

  void Open(std::int32_t joystickInstanceId);
  void Close();
  bool IsOpen() const { return open; }
  std::int32_t GetInstanceId() const { return instanceId; }
  bool Holds(std::int32_t joystickInstanceId) const { return open && instanceId == joystickInstanceId; }

  // Start of a frame.
  void Advance();

  void SetButton(std::size_t button, bool down) { buttons.Set(button, down); }
  void SetAxis(std::size_t axis, float value);

  bool IsButtonPressed(std::size_t button) const { return open && buttons.IsPressed(button); }
  bool IsButtonTriggered(std::size_t button) const { return open && buttons.IsTriggered(button); }
  float GetAxis(std::size_t axis) const;
  float GetPreviousAxis(std::size_t axis) const;

private:
  void ClearStates();

  bool open = false;
  std::int32_t instanceId = -1;
  ButtonStates<ButtonCount> buttons;
  std::array<float, AxisCount> axes{};
  std::array<float, AxisCount> previousAxes{};
};
