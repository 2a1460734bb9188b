#pragma once
// A scripted set of controllers and events in place of SDL's devices, for the input's tests and
// for sessions that must run on a shared display without its pointer and focus.
#include "input/InputDevices.h"

#include <SDL.h>

#include <cstdint>
#include <deque>
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

  // The events the input's pump reads, ahead of SDL's queue. A test on a shared display clears
  // `readDisplay`: SDL's queue is then drained unread, so the pointer crossing the window or
  // another test's window taking the focus cannot reach the game, and only these events do.
  std::deque<SDL_Event> events;
  bool readDisplay = true;

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
  bool PollEvent(SDL_Event& event) override;

private:
  const FakeDeviceLog::Device* At(int deviceIndex) const;

  std::shared_ptr<FakeDeviceLog> log;
};
