#pragma once
// When the window system says a mouse button went down or up: the X server stamps each event as
// the person makes it, while SDL stamps its own only as a frame reads them, which at a few frames
// a second puts two slow clicks as close together as two frames.
//
// Once enabled, SDL hands over the window system's own event (SDL_SYSWMEVENT) just before the
// mouse button event it makes of it.
#include <SDL.h>

#include <cstdint>
#include <optional>

namespace WindowSystemTime
{
struct ButtonStamp
{
  Uint8 button = 0;  // SDL's number for it
  bool down = false;
  std::uint32_t milliseconds = 0;  // the window system's clock; only differences mean anything
};

void Enable();
void Disable();
// The stamp of a window-system event SDL makes a mouse button event of; none for any other event.
std::optional<ButtonStamp> ButtonStampOf(const SDL_Event& event);
}  // namespace WindowSystemTime
