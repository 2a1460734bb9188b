#include "InputTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace
{
class SdlEventsEnvironment : public ::testing::Environment
{
public:
  void SetUp() override
  {
    // The dummy video driver gives SDL its keyboard map without a display.
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS), 0) << SDL_GetError();
  }
  void TearDown() override { SDL_Quit(); }
};

::testing::Environment* const sdlEnvironment = ::testing::AddGlobalTestEnvironment(new SdlEventsEnvironment);
}

void FakeDeviceLog::Attach(std::int32_t instanceId, bool isController, RumbleSupport rumble)
{
  attached.push_back({instanceId, isController, rumble});
}

void FakeDeviceLog::Detach(std::int32_t instanceId)
{
  attached.erase(std::remove_if(attached.begin(), attached.end(),
                                [&](const Device& device) { return device.instanceId == instanceId; }),
                 attached.end());
}

int FakeDeviceLog::IndexOf(std::int32_t instanceId) const
{
  for (std::size_t index = 0; index < attached.size(); ++index)
  {
    if (attached[index].instanceId == instanceId)
      return static_cast<int>(index);
  }
  return -1;
}

FakeInputDevices::~FakeInputDevices()
{
  log->calls.push_back("destroyed");
}

const FakeDeviceLog::Device* FakeInputDevices::At(int deviceIndex) const
{
  if (deviceIndex < 0 || static_cast<std::size_t>(deviceIndex) >= log->attached.size())
    return nullptr;
  return &log->attached[static_cast<std::size_t>(deviceIndex)];
}

bool FakeInputDevices::IsGameController(int deviceIndex)
{
  const FakeDeviceLog::Device* device = At(deviceIndex);
  return device && device->isController;
}

std::int32_t FakeInputDevices::GetInstanceId(int deviceIndex)
{
  const FakeDeviceLog::Device* device = At(deviceIndex);
  return device ? device->instanceId : -1;
}

OpenedController FakeInputDevices::Open(int deviceIndex)
{
  OpenedController result;
  const FakeDeviceLog::Device* device = At(deviceIndex);
  if (!device)
    return result;
  result.opened = true;
  result.instanceId = device->instanceId;
  result.rumble = device->rumble;
  log->open.push_back(device->instanceId);
  log->calls.push_back("open " + std::to_string(device->instanceId));
  return result;
}

void FakeInputDevices::Close(std::int32_t instanceId)
{
  auto found = std::find(log->open.begin(), log->open.end(), instanceId);
  if (found != log->open.end())
    log->open.erase(found);
  log->calls.push_back("close " + std::to_string(instanceId));
}

void FakeInputDevices::Rumble(std::int32_t instanceId, float strength, std::uint32_t milliseconds)
{
  log->rumbles.push_back({instanceId, strength, milliseconds});
}

namespace TestEvents
{
SDL_Event Key(SDL_Keycode key, bool down, bool repeat)
{
  SDL_Event event{};
  event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
  event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
  event.key.repeat = repeat ? 1 : 0;
  event.key.keysym.sym = key;
  event.key.keysym.scancode = SDL_GetScancodeFromKey(key);
  return event;
}

SDL_Event MouseButton(Uint8 sdlButton, bool down)
{
  SDL_Event event{};
  event.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
  event.button.button = sdlButton;
  event.button.state = down ? SDL_PRESSED : SDL_RELEASED;
  return event;
}

SDL_Event MouseMotion(int x, int y, int relativeX, int relativeY)
{
  SDL_Event event{};
  event.type = SDL_MOUSEMOTION;
  event.motion.x = x;
  event.motion.y = y;
  event.motion.xrel = relativeX;
  event.motion.yrel = relativeY;
  return event;
}

SDL_Event Wheel(int y)
{
  SDL_Event event{};
  event.type = SDL_MOUSEWHEEL;
  event.wheel.y = y;
  return event;
}

SDL_Event ControllerAxis(std::int32_t instanceId, Uint8 axis, Sint16 value)
{
  SDL_Event event{};
  event.type = SDL_CONTROLLERAXISMOTION;
  event.caxis.which = instanceId;
  event.caxis.axis = axis;
  event.caxis.value = value;
  return event;
}

SDL_Event ControllerButton(std::int32_t instanceId, Uint8 button, bool down)
{
  SDL_Event event{};
  event.type = down ? SDL_CONTROLLERBUTTONDOWN : SDL_CONTROLLERBUTTONUP;
  event.cbutton.which = instanceId;
  event.cbutton.button = button;
  event.cbutton.state = down ? SDL_PRESSED : SDL_RELEASED;
  return event;
}

SDL_Event ControllerAdded(int deviceIndex)
{
  SDL_Event event{};
  event.type = SDL_CONTROLLERDEVICEADDED;
  event.cdevice.which = deviceIndex;
  return event;
}

SDL_Event ControllerRemoved(std::int32_t instanceId)
{
  SDL_Event event{};
  event.type = SDL_CONTROLLERDEVICEREMOVED;
  event.cdevice.which = instanceId;
  return event;
}

SDL_Event Window(Uint8 windowEvent)
{
  SDL_Event event{};
  event.type = SDL_WINDOWEVENT;
  event.window.event = windowEvent;
  return event;
}

SDL_Event Quit()
{
  SDL_Event event{};
  event.type = SDL_QUIT;
  return event;
}

SDL_Event DropFile(const std::string& path)
{
  SDL_Event event{};
  event.type = SDL_DROPFILE;
  event.drop.file = SDL_strdup(path.c_str());
  return event;
}

void Push(const SDL_Event& event)
{
  SDL_Event copy = event;
  ASSERT_EQ(SDL_PushEvent(&copy), 1) << SDL_GetError();
}
}
