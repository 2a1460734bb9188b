#include "platform/WindowSystemTime.h"

#include <SDL_syswm.h>

void WindowSystemTime::Enable()
{
  SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE);
}

void WindowSystemTime::Disable()
{
  SDL_EventState(SDL_SYSWMEVENT, SDL_DISABLE);
}

std::optional<WindowSystemTime::ButtonStamp> WindowSystemTime::ButtonStampOf(const SDL_Event& event)
{
  if (event.type != SDL_SYSWMEVENT || event.syswm.msg == nullptr)
    return std::nullopt;
#if defined(SDL_VIDEO_DRIVER_X11)
  const SDL_SysWMmsg& message = *event.syswm.msg;
  if (message.subsystem != SDL_SYSWM_X11)
    return std::nullopt;
  const XEvent& windowEvent = message.msg.x11.event;
  if (windowEvent.type != ButtonPress && windowEvent.type != ButtonRelease)
    return std::nullopt;
  // X numbers the wheel's clicks 4 to 7 (no button for SDL) and its extra buttons from 8; SDL
  // numbers those from SDL_BUTTON_X1.
  unsigned button = windowEvent.xbutton.button;
  if (button > 7)
    button -= 8 - SDL_BUTTON_X1;
  return ButtonStamp{static_cast<Uint8>(button), windowEvent.type == ButtonPress,
                     static_cast<std::uint32_t>(windowEvent.xbutton.time)};
#else
  return std::nullopt;
#endif
}
