#pragma once
// The process-wide god-mode switch, shared by the "god_mode" console command and the menu's
// god-mode button. Health components read it as they wake, so it also reaches objects made
// later; a level change does not reset it.

// Sets the switch and applies it at once to what exists: every object registered as a player
// becomes invulnerable and every registered enemy dies from its next hit (or both are undone).
void SetGodMode(bool on);
bool IsGodModeOn();
