#pragma once
// The flow's view of the named spaces, through the published SpaceDirectory. Nothing here keeps a
// space: a transition marks spaces for removal and the session deletes them at the next frame,
// so spaces are looked up by name each time they are needed.
#include <string>

class Space;

// The space of that name that a transition may still act on: live or waiting to join, and not
// marked for removal. Null when there is none (or no directory).
Space* FindLiveSpace(const std::string& name);

// The space of that name showing that level, reused or made and loaded at once (see
// SpaceDirectory::GetSpace). Null only without a directory.
Space* ShowLevel(const std::string& name, const std::string& level);

// Whether the level has a file. When it has none, an "[ERROR]" line (once for each level and
// asker) says who wanted it and that nothing was changed: the caller then leaves the screen that
// asked as it is.
bool LevelExists(const std::string& level, const std::string& wantedBy);
