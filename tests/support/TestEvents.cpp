#include "support/TestEvents.h"

#include <gtest/gtest.h>
// After GoogleTest: X's headers define names (None, Bool) that its own would take.
#include <SDL_syswm.h>

#include <array>

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

SDL_Event MouseButton(Uint8 sdlButton, bool down, int x, int y)
{
  SDL_Event event{};
  event.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
  event.button.button = sdlButton;
  event.button.state = down ? SDL_PRESSED : SDL_RELEASED;
  event.button.x = x;
  event.button.y = y;
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

SDL_Event WindowSystemButton(Uint8 sdlButton, bool down, Uint32 milliseconds)
{
  static std::array<SDL_SysWMmsg, 4096> messages{};
  static std::size_t next = 0;
  SDL_SysWMmsg& message = messages[next++ % messages.size()];
  message = SDL_SysWMmsg{};
  SDL_VERSION(&message.version);
  message.subsystem = SDL_SYSWM_X11;
  XButtonEvent& button = message.msg.x11.event.xbutton;
  button.type = down ? ButtonPress : ButtonRelease;
  button.button = sdlButton;
  button.time = milliseconds;
  SDL_Event event{};
  event.type = SDL_SYSWMEVENT;
  event.syswm.msg = &message;
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
