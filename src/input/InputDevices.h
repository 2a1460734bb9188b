#pragma once
// The few device calls the input makes, behind one interface: the game uses SDL's game
// controllers and haptics (SdlInputDevices); tests put a scripted set of controllers in their place,
// so the slot logic runs without hardware. Events themselves come from SDL's queue in either case.
#include <cstdint>

// What became of a controller's rumble when it was opened.
enum class RumbleSupport
{
  Ready,
  NoHapticDevice,  // the controller has none, or it could not be opened
  RumbleRefused,   // the haptic device exists but will not rumble
};

struct OpenedController
{
  bool opened = false;
  std::int32_t instanceId = -1;  // SDL's joystick instance id
  RumbleSupport rumble = RumbleSupport::NoHapticDevice;
};

class InputDevices
{
public:
  virtual ~InputDevices() = default;

  virtual bool IsGameController(int deviceIndex) = 0;
  // The instance id the device at this index has or would have once opened; -1 when there is none.
  virtual std::int32_t GetInstanceId(int deviceIndex) = 0;
  virtual OpenedController Open(int deviceIndex) = 0;
  // Closes the haptic device, then the controller. An id that is not open is ignored.
  virtual void Close(std::int32_t instanceId) = 0;
  // strength 0..1. Does nothing for a controller without rumble.
  virtual void Rumble(std::int32_t instanceId, float strength, std::uint32_t milliseconds) = 0;
};
