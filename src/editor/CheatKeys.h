#pragma once
// The debug cheat keys of whoever plays: hold "." and press F5 for the end screen, F6 to kill the
// players (and go to the end screen), F7 to start the level again. The player and ship
// controllers poll them every update on their space through gameplay's hook, which
// InstallCheatKeys points here; held keys repeat the request every frame.
class Space;

// Points gameplay's cheat-key hook at CheckCheatKeys.
void InstallCheatKeys();
// Nothing happens unless "." is held; then F5, F6 and F7 are each tested in that order.
void CheckCheatKeys(Space* space);
// The "Overworld" space switches to the level "endscreen", unpaused and shown (made when there is
// none); the current space goes unless it is the "Overworld" itself.
void CheatEndScreen(Space* current);
// Every live registered player with a Health drops to 0 hitpoints, then CheatEndScreen.
void CheatKillPlayers(Space* space);
