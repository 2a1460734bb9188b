#pragma once
// Finding a space's object by its name, as the interface's components do to reach the HUD's
// displays, the level's camera or the player: a missing space or name gives an empty handle,
// and the caller skips the step that needed the object.
#include "core/Handle.h"

#include <string>

class GameObject;
class Space;

Handle<GameObject> FindNamedObject(Space* space, const std::string& name);

