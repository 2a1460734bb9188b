#include "input/SdlInputDevices.h"

#include "core/Log.h"

SdlInputDevices::SdlInputDevices()
{
  // Controllers keep reporting while the window has no focus, so a pad never sticks at the
  // state it had when focus went.
  SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");

  // One subsystem at a time: SDL rolls back every subsystem of a call when one of them fails, and
  // a machine without haptics (or without a display) must still get its events and controllers.
  // The sound system and the window start their own subsystems.
  for (Uint32 subsystem : {SDL_INIT_EVENTS, SDL_INIT_JOYSTICK, SDL_INIT_GAMECONTROLLER, SDL_INIT_HAPTIC})
  {
    if (SDL_InitSubSystem(subsystem) == 0)
      startedSubsystems.push_back(subsystem);
  }
}

SdlInputDevices::~SdlInputDevices()
{
  for (auto& entry : connections)
    CloseConnection(entry.second);
  connections.clear();
  for (auto subsystem = startedSubsystems.rbegin(); subsystem != startedSubsystems.rend(); ++subsystem)
    SDL_QuitSubSystem(*subsystem);
}

bool SdlInputDevices::IsGameController(int deviceIndex)
{
  return SDL_IsGameController(deviceIndex) == SDL_TRUE;
}

std::int32_t SdlInputDevices::GetInstanceId(int deviceIndex)
{
  return SDL_JoystickGetDeviceInstanceID(deviceIndex);
}

OpenedController SdlInputDevices::Open(int deviceIndex)
{
  OpenedController result;
  Connection connection;
  connection.controller = SDL_GameControllerOpen(deviceIndex);
  if (!connection.controller)
  {
    LogWarning("Failed to open controller ", deviceIndex, ": ", SDL_GetError());
    return result;
  }
  SDL_Joystick* joystick = SDL_GameControllerGetJoystick(connection.controller);
  result.instanceId = SDL_JoystickInstanceID(joystick);

  connection.haptic = SDL_HapticOpenFromJoystick(joystick);
  if (!connection.haptic)
  {
    result.rumble = RumbleSupport::NoHapticDevice;
  }
  else if (SDL_HapticRumbleInit(connection.haptic) != 0)
  {
    result.rumble = RumbleSupport::RumbleRefused;
    SDL_HapticClose(connection.haptic);
    connection.haptic = nullptr;
  }
  else
  {
    result.rumble = RumbleSupport::Ready;
  }

  // The same joystick opened again gives the same handle back from SDL, counted twice; keep one.
  auto existing = connections.find(result.instanceId);
  if (existing != connections.end())
    CloseConnection(existing->second);
  connections[result.instanceId] = connection;
  result.opened = true;
  return result;
}

void SdlInputDevices::Close(std::int32_t instanceId)
{
  auto found = connections.find(instanceId);
  if (found == connections.end())
    return;
  CloseConnection(found->second);
  connections.erase(found);
}

void SdlInputDevices::Rumble(std::int32_t instanceId, float strength, std::uint32_t milliseconds)
{
  auto found = connections.find(instanceId);
  if (found == connections.end() || !found->second.haptic)
    return;
  SDL_HapticRumblePlay(found->second.haptic, strength, milliseconds);
}

void SdlInputDevices::CloseConnection(Connection& connection)
{
  if (connection.haptic)
    SDL_HapticClose(connection.haptic);
  if (connection.controller)
    SDL_GameControllerClose(connection.controller);
  connection = Connection{};
}

bool SdlInputDevices::PollEvent(SDL_Event& event)
{
  return SDL_PollEvent(&event) == 1;
}
