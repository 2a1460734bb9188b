#pragma once
// The process-wide god-mode switch, shared by the "god_mode" console command and the menu's
// god-mode button. Health components read it when they wake, so it also reaches objects made
// later; a level change does not reset it.
#include <functional>

// Sets the switch and hands it to the installed applier, which makes the players that exist now
// invulnerable and every enemy die from its next hit (or undoes both).
void SetGodMode(bool on);
bool IsGodModeOn();

// Installed by whoever knows the registered players and enemies; an empty function removes it.
using GodModeApplier = std::function<void(bool on)>;
void SetGodModeApplier(GodModeApplier applier);
