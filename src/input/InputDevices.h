#pragma once
// The few device calls the input makes, behind one interface: the game uses SDL's event queue,
// game controllers and haptics (SdlInputDevices); tests put a scripted set of controllers and
// events in their place, so the slot logic and the frame loop run without hardware and without
// the display's own pointer and focus.
#include <cstdint>

union SDL_Event;

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
  // The next event of the frame's pump, false when there is none left. Whoever takes a dropped
  // file's event frees its text with SDL_free, as with SDL_PollEvent.
  virtual bool PollEvent(SDL_Event& event) = 0;
};
