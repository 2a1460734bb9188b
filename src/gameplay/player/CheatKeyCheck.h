#pragma once
// The debug cheat keys are the editor's, a subsystem above the controllers that poll them each
// update (the player's while alive, the ship's). The editor installs its check here; until it
// does, polling does nothing.
class Space;

using CheatKeyCheck = void (*)(Space* space);

void SetCheatKeyCheck(CheatKeyCheck check);
void PollCheatKeys(Space* space);
