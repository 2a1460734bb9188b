#pragma once
// Tells the player that the boss's ship has come (the level flow brings it to the overworld on the
// first return with 3000 points), so that nobody has to know where to look: the king's challenge
// shows on the overworld's HUD for ten seconds, the HUD's goal line says where to go instead of
// "of 3000" (as short, so that it keeps its place beside the score), and a large white arrow 1000 units
// out from the player's ship points at the boss's ship for as long as it is there. The overworld's
// LevelManager runs it every update.
#include "core/Handle.h"

class GameObject;
class Space;

class BossShipSignpost
{
public:
  static constexpr const char* ArrowPrefab = "OW_BossArrow";
  static constexpr const char* HailPrefab = "OW_BossHail";
  static constexpr float HailSeconds = 10.0f;
  static constexpr const char* GoalLine = "go east";

  void Update(Space& space, float dt);

  const Handle<GameObject>& GetArrow() const { return arrow; }
  const Handle<GameObject>& GetHail() const { return hail; }

private:
  // The challenge, the goal line and the arrow, once.
  void Announce(Space& space);

  bool announced = false;
  float hailLeft = 0.0f;
  Handle<GameObject> arrow;
  Handle<GameObject> hail;
};
