#pragma once
// How a button opens a menu over the game: its own space pauses (and hides, when asked), the
// menu level comes up in its menu space, and the menu is told which space to return to with a
// NewLevelLoadedEvent, which its ResumeButton keeps.
#include <string>

class Component;

// False, with nothing changed and an "[ERROR]" line, when the menu level has no file: the screen
// the button is on stays as it is and usable.
bool OpenMenu(const Component& button, const std::string& menuSpace, const std::string& level, bool hideOwnSpace);
