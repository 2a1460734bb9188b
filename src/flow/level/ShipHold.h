#pragma once
// Keeps the player's overworld ship out of the other ships' reach: it passes through them, kept
// inside the map's edge, and rams or is rammed by none (and no hunter hunts it).
//
// - From the ram that boards an encounter (and again as the ship comes back, also to an overworld
//   loaded anew) until, back in the overworld, that has run for two seconds of its own and no other
//   ship is within ClearDistance: the player sees the overworld and the score before anything
//   boards him, and, free to steer all the while, steers clear of the ships about him first,
//   however long that takes. The ship comes back at rest where it rammed.
// - While the king's galleon waits and the ship is within its waters: no ship but the galleon
//   boards a player on the last stretch to it.
//
// A held ship that touches the galleon boards it all the same, once the two seconds are over.
// The overworld's LevelManager runs it; a level without the player's overworld ship holds nothing.
#include "core/Handle.h"

#include <glm/vec2.hpp>

class GameObject;
class Space;

class ShipHold
{
public:
  static constexpr float Grace = 2.0f;              // seconds of the overworld's own time
  static constexpr float ClearDistance = 1000.0f;   // from the centre of any other ship
  static constexpr float WatersRadius = 3000.0f;    // about the galleon's centre

  // The ship rammed its way into an encounter, or comes back from one: held from now on, at rest.
  void Begin(Space& space);
  void Update(Space& space, float dt);

private:
  // Whether a ship other than the galleon lies within ClearDistance of `at`.
  static bool ShipsAbout(Space& space, glm::vec2 at, const GameObject* galleon);
  void Hold(GameObject& ship, bool hold);

  float graceLeft = 0.0f;
  bool returning = false;
  bool held = false;
};
