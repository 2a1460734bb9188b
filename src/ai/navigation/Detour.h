#pragma once
// Where an enemy heads for an opponent it cannot see, inside a ship with a path graph: the first
// corner of a route round the walls, the opponent itself once nothing stands between, or nowhere
// (it stays where it is, to wander there) while no way leads there, as when a shut door stands
// between. Outside such a ship it heads straight for the opponent.
//
//   target->position = detour.Next(*aiming, self->position, target->position, dt);
//
// A route is looked up again every ReplanInterval seconds and whenever its corner is reached, not
// on every update: a search casts rays to every corner of the ship. The point it heads for is
// always in plain reach (no wall, no shut door between), so a link the graph made while a door
// stood open never walks it into that door once shut.
#include <glm/vec2.hpp>

class AimingModule;

class Detour
{
public:
  static constexpr float ReplanInterval = 0.5f;
  // Nearer than this, a corner counts as reached and the route's next point is taken.
  static constexpr float ReachedDistance = 48.0f;

  // The point to head for from `from` toward `goal`, `dt` seconds after the last call.
  glm::vec2 Next(const AimingModule& aiming, glm::vec2 from, glm::vec2 goal, float dt);
  // Makes the next call look the route up afresh.
  void Forget() { planned = false; }

private:
  enum class Heading
  {
    Goal,    // nothing stands between
    Corner,  // round a wall first
    Stay,    // no way leads there
  };

  void Plan(const AimingModule& aiming, glm::vec2 from, glm::vec2 goal);

  Heading heading = Heading::Goal;
  glm::vec2 corner{0.0f, 0.0f};
  float untilReplan = 0.0f;
  bool planned = false;
};
