#pragma once
// Tells the player that the boss's ship has come (the level flow brings it to the overworld on the
// first return with 3000 points), so that nobody has to know where to look: the king's challenge
// shows on the overworld's HUD for ten seconds, the HUD's goal line says where to go instead of
// "of 3000" (as short, so that it keeps its place beside the score), and a large white arrow 1000 units
// out from the player's ship points at the boss's ship for as long as it is there, hidden while the
// boss's ship is so near that it would stand beside or past it. The overworld's LevelManager runs it
// every update.
#include "ai/ships/WaypointArrow.h"
#include "core/Handle.h"

#include <glm/vec2.hpp>

class GameObject;
class Space;

class BossShipSignpost
{
public:
  static constexpr const char* ArrowPrefab = "OW_BossArrow";
  static constexpr const char* HailPrefab = "OW_BossHail";
  static constexpr float HailSeconds = 10.0f;
  static constexpr const char* GoalLine = "go east";
  // Within this distance of the player's ship the boss's ship needs no arrow: the arrow's place,
  // then half the arrow and half the galleon.
  static constexpr float HiddenWithin = WaypointArrow::Distance + 700.0f;

  void Update(Space& space, float dt);

  const Handle<GameObject>& GetArrow() const { return arrow; }
  const Handle<GameObject>& GetHail() const { return hail; }

private:
  // Turns the arrow toward the boss's ship, or hides it when that is near.
  static void Point(GameObject& pointer, glm::vec2 bossShip);
  // The challenge, the goal line and the arrow, once.
  void Announce(Space& space);

  bool announced = false;
  float hailLeft = 0.0f;
  Handle<GameObject> arrow;
  Handle<GameObject> hail;
};
