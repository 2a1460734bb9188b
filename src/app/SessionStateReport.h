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
//   spaces     the live spaces in name order: name, level, paused, visible, and view: the world
//              places of the window's top left and bottom right pixels through the space's camera
//              ([left, top, right, bottom]; null without a camera or a window), which turns a
//              world place into the pixel a pointer aims at
//   player     the first object with a PlayerController: its space and world position, and what
//              each of its three slots holds (null, or the item's name, its magazine and the
//              reserve of its ammunition type; both null for an item that is no gun), or null
//   score      the run's score (the ScoreBoard's on "LTM" in the space "Admin"), or null
//   watched    for each name the console's "watch" gave, the objects of that name, or made from
//              the prefab of that name, in the live spaces in id order (space, world position,
//              hitpoints and whether dead, both null without a Health); an empty list when none is
//              there
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
  // The whole line, without its line end; always UTF-8 (a byte of a watched name that is not shows
  // as U+FFFD).
  static std::string Line(GameSession& session);
  // Writes the line to standard output, past the console.
  static void Write(GameSession& session);
};
