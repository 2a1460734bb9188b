#pragma once
// Drives the hunter that finds its way through a ship: while its nearest opponent is out of sight
// it asks the ship's path graph for a route to it on every update and follows that route; once it
// sees the opponent it fights as a bandit does ("Chasing" in place of "Combat").
//
//   "Wandering"  Separation from allies (3, within 250), FollowPath (10) on its route,
//                AlignToMovement (1), ObstacleAvoidance (5)
//
// The route stays as it was while there is no opponent, and when it sees one. An empty route (no
// way there, or no ship under it) leaves FollowPath idle.
#include "ai/enemies/BanditController.h"
#include "steering/behaviors/Path.h"

class FollowPath;

class TestController : public BanditController
{
public:
  static constexpr std::uint32_t TypeId = COMP_TestController;

  TestController();
  ~TestController() override;
  TestController& operator=(const TestController&) = default;

  void OnDestroy() override;
  void WanderUpdate() override;

  const Handle<Path>& GetPath() const { return path; }

protected:
  void AddWalk() override;

private:
  Transient<FollowPath*> followPath = nullptr;
  Transient<Handle<Path>> path;
};
