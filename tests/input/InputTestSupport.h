#pragma once
// Shared by the input tests: a scripted set of controllers in place of SDL's, and builders for
// the SDL events a frame can carry. The test executable brings SDL up with the dummy video driver
// (for the keyboard map) and the event queue; no device or window is needed.
#include "input/InputDevices.h"

#include <SDL.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// What the fake devices saw, kept apart from them so it can be read after the input (which owns
// the devices) is gone.
struct FakeDeviceLog
{
  struct Device
  {
    std::int32_t instanceId;
    bool isController;
    RumbleSupport rumble;
  };
  struct RumbleCall
  {
    std::int32_t instanceId;
    float strength;
    std::uint32_t milliseconds;
  };

  // Attached devices in SDL's device-index order: unplugging one shifts those behind it down.
  std::vector<Device> attached;
  std::vector<std::int32_t> open;
  std::vector<std::string> calls;  // "open 7", "close 7", "destroyed"
  std::vector<RumbleCall> rumbles;

  void Attach(std::int32_t instanceId, bool isController = true, RumbleSupport rumble = RumbleSupport::Ready);
  void Detach(std::int32_t instanceId);
  int IndexOf(std::int32_t instanceId) const;
};

class FakeInputDevices : public InputDevices
{
public:
  explicit FakeInputDevices(std::shared_ptr<FakeDeviceLog> log) : log(std::move(log)) {}
  ~FakeInputDevices() override;

  bool IsGameController(int deviceIndex) override;
  std::int32_t GetInstanceId(int deviceIndex) override;
  OpenedController Open(int deviceIndex) override;
  void Close(std::int32_t instanceId) override;
  void Rumble(std::int32_t instanceId, float strength, std::uint32_t milliseconds) override;

private:
  const FakeDeviceLog::Device* At(int deviceIndex) const;

  std::shared_ptr<FakeDeviceLog> log;
};

namespace TestEvents
{
SDL_Event Key(SDL_Keycode key, bool down, bool repeat = false);
SDL_Event MouseButton(Uint8 sdlButton, bool down);
SDL_Event MouseMotion(int x, int y, int relativeX, int relativeY);
SDL_Event Wheel(int y);
SDL_Event ControllerAxis(std::int32_t instanceId, Uint8 axis, Sint16 value);
SDL_Event ControllerButton(std::int32_t instanceId, Uint8 button, bool down);
SDL_Event ControllerAdded(int deviceIndex);
SDL_Event ControllerRemoved(std::int32_t instanceId);
SDL_Event Window(Uint8 windowEvent);
SDL_Event Quit();
// The path is copied with SDL's allocator, as SDL does; whoever pumps the event frees it.
SDL_Event DropFile(const std::string& path);

void Push(const SDL_Event& event);
}
