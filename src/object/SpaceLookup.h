#pragma once
// Finding the spaces other components live in, and the HUD's objects, through the published
// SpaceDirectory. Nothing here keeps a space: a transition marks spaces for removal and the
// session deletes them at the next frame, so spaces are looked up by name each time they are
// needed.
#include "core/Handle.h"

#include <string>

class GameObject;
class Space;

// The space of that name that a transition may still act on: live or waiting to join, and not
// marked for removal. Null when there is none (or no directory).
Space* FindLiveSpace(const std::string& name);

// The HUD space the level flow has put up; null when there is none (a gameplay object never
// raises a HUD of its own).
Space* HudSpace();

// The HUD space, made and loaded with the "HUD" level when there is none yet; null only without
// a directory. For the displays that must be there once their owner wakes.
Space* ShowHudSpace();

// The HUD object of that name; a HUD level without it is reported once (naming who looked for
// it), and the display is left out.
Handle<GameObject> FindHudObject(Space* hud, const std::string& name, const char* wantedBy);
