#pragma once
// Builders for the SDL events a frame can carry, as SDL itself would fill them in.
#include <SDL.h>

#include <cstdint>
#include <string>

namespace TestEvents
{
SDL_Event Key(SDL_Keycode key, bool down, bool repeat = false);
// At the pointer's place (x, y) in window pixels.
SDL_Event MouseButton(Uint8 sdlButton, bool down, int x = 0, int y = 0);
SDL_Event MouseMotion(int x, int y, int relativeX, int relativeY);
SDL_Event Wheel(int y);
// What the window system hands SDL just before a mouse button event it makes: the change, stamped
// with the window system's time of it. Valid until a few thousand more are made; SDL copies it.
SDL_Event WindowSystemButton(Uint8 sdlButton, bool down, Uint32 milliseconds);
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
