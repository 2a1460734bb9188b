#pragma once
// Decides which level runs in which named space while the game is played. It lives on the object
// "LTM" of the level "admin" (space "Admin", which no transition touches) beside the ScoreBoard,
// and listens on the level transition channel for the four flow events:
//
//   transition          Utility                Overworld              OW_HUD              Encounter
//   start (OnAwake)     "blank", running       "blank", paused+hidden  -                  "blank", paused+hidden
//   StartOverworld      blank, paused+hidden   new "overworld"        new "OW_HUD"        unchanged
//   StartEncounter      blank, paused+hidden   kept, paused+hidden    kept, paused+hidden the level, running
//   ReturnToOverworld   blank, paused+hidden   kept (or reloaded)     kept, paused, shown new "blank", paused+hidden
//   StartUtility        the level, running     removed                removed             removed
//
// On ReturnToOverworld it tells the overworld (ReturnToOverworldEvent on the overworld's own id),
// whose LevelManager holds the player's ship out of reach for the way back.
// StartUtility resets the score; the score the run ended with is shown first by the new level's
// "Run Score" text, if it has one (the end screen does).
// Spaces are held by name and looked up on each use, never by a pointer kept across frames: a
// transition marks spaces for removal and the session deletes them at the next frame. A
// transition naming a level that has no file is reported and changes nothing.
// The lines it logs for a boarding and a return name the game's clock (the steps its own space,
// which never pauses, has run: the state report's "time" of that frame), so that a script reading
// the log judges the time between them by the game's time, however late it reads.
#include "object/Component.h"
#include "object/MissingSiblingWarning.h"

#include <string>

class ReturnToOverworldEvent;
class ScoreBoard;
class StartEncounterEvent;
class StartOverworldEvent;
class StartUtilityEvent;
class UpdateEvent;
class UpdateReputation;

class LevelTransitionManager : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_LevelTransitionManager;
  static constexpr std::int32_t BossShipScore = 3000;
  // The object the boss's ship is made as in the overworld.
  static constexpr const char* BossShipName = "bossShip";

  LevelTransitionManager() : Component(TypeId) {}
  LevelTransitionManager& operator=(const LevelTransitionManager&) = default;

  void OnAwake() override;

  void On(StartOverworldEvent* event);
  void On(ReturnToOverworldEvent* event);
  void On(StartEncounterEvent* event);
  void On(StartUtilityEvent* event);
  // A change of the run's score heard in its own space shows at once on the overworld's HUD.
  void On(UpdateReputation* event);
  void On(UpdateEvent* event);

  // Replaces the utility space, when there is one, with a blank one, paused and hidden.
  void UnloadUtility();

  bool IsBossShipSpawned() const { return bossShipSpawned; }

private:
  ScoreBoard* FindScoreBoard(const char* skippedStep);
  // The score shown by the OW_HUD's "OW_Reputation" (and "of 3000" by its goal, when asked).
  void ShowScore(std::int32_t score, bool showGoal);

  bool bossShipSpawned = false;
  double clock = 0.0;  // seconds
  MissingSiblingWarning missingScoreBoard;
};
