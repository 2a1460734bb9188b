#pragma once
// The state report: one line, "State: " and a JSON object, that tells a script driving the window
// what the game shows, so that each step can wait for the sign that the last one took effect.
// SIGUSR1 asks for it: written at the end of the next frame to standard output, past the console
// (a script's questions would bury the console's own lines). The console's "state" shows it there.
//
//   frame      frames run so far by either loop
//   time       the game's clock: seconds of play those frames stepped (the loop's time steps,
//              held at its maximum step when frames come slowly), for waits counted in game time
//   loop       "game" while a game runs (also one played from the editor), "editor", or "none"
//   spaces     the live spaces in name order: name, level, paused, visible
//   player     the first object with a PlayerController: its space and world position, or null
//   mouse      the pointer in window pixels, as the input last saw it
//   interface  the editor's windows shown in the last frame (names without their "##" part), the
//              number of popups and menus open, whether a text field has the keyboard and what that
//              field holds
//   editor     in the editor loop only, else null: the edited level, the tool, the held object
//              (name, id, prefab, world position, parent and children by name, component types)
//              and the selected names
#include <json/json.h>

#include <string>

class GameSession;

class SessionStateReport
{
public:
  static Json::Value Describe(GameSession& session);
  // The whole line, without its line end.
  static std::string Line(GameSession& session);
  // Writes the line to standard output, past the console.
  static void Write(GameSession& session);
};
