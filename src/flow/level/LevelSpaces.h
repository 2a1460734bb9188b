#pragma once
// The flow's levels in the named spaces, through the published SpaceDirectory (finding a space
// that is there already: object/SpaceLookup.h).
#include <string>

class Space;
class TextToSprite;

// The space of that name showing that level, reused or made and loaded at once (see
// SpaceDirectory::GetSpace). Null only without a directory.
Space* ShowLevel(const std::string& name, const std::string& level);

// Whether the level has a file. When it has none, an "[ERROR]" line (once for each level and
// asker) says who wanted it and that nothing was changed: the caller then leaves the screen that
// asked as it is.
bool LevelExists(const std::string& level, const std::string& wantedBy);

// The TextToSprite of the space's object of that name (a HUD's number or line); null when the
// space, the object or its text is missing.
TextToSprite* FindText(Space* space, const std::string& objectName);
