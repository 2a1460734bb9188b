#pragma once
// The game's input devices: SDL's event queue and its joystick, game-controller, haptic and event
// subsystems.
// It brings those subsystems up when made and, when destroyed, closes every haptic device and
// controller it opened before taking the subsystems down again (closing after the subsystem is
// gone would free them twice).
#include "input/InputDevices.h"

#include <SDL.h>

#include <map>
#include <vector>

class SdlInputDevices : public InputDevices
{
public:
  SdlInputDevices();
  ~SdlInputDevices() override;
  SdlInputDevices(const SdlInputDevices&) = delete;
  SdlInputDevices& operator=(const SdlInputDevices&) = delete;

  bool IsGameController(int deviceIndex) override;
  std::int32_t GetInstanceId(int deviceIndex) override;
  OpenedController Open(int deviceIndex) override;
  void Close(std::int32_t instanceId) override;
  void Rumble(std::int32_t instanceId, float strength, std::uint32_t milliseconds) override;
  bool PollEvent(SDL_Event& event) override;

private:
  struct Connection
  {
    SDL_GameController* controller = nullptr;
    SDL_Haptic* haptic = nullptr;  // null when the controller has no usable rumble
  };

  static void CloseConnection(Connection& connection);

  std::map<std::int32_t, Connection> connections;  // by joystick instance id
  std::vector<Uint32> startedSubsystems;           // each is quit again, newest first
};
