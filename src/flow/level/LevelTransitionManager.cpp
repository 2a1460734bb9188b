#include "flow/level/LevelTransitionManager.h"

#include "audio/SoundEvents.h"
#include "core/Log.h"
#include "core/Send.h"
#include "flow/FlowEvents.h"
#include "flow/level/LevelSpaces.h"
#include "gameplay/LevelEvents.h"
#include "gameplay/score/ScoreBoard.h"
#include "gameplay/score/ScoreEvents.h"
#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/GameobjectFactory.h"
#include "object/Registry.h"
#include "object/Space.h"
#include "object/SpaceLookup.h"
#include "object/SpaceNames.h"
#include "physics/PhysicsEvents.h"
#include "render/CameraEvents.h"
#include "render/TextToSprite.h"

#include <cstdio>

namespace
{
using SpaceNames::Encounter;
using SpaceNames::Overworld;
using SpaceNames::OverworldHud;
using SpaceNames::Utility;
constexpr const char* BlankLevel = "blank";
constexpr const char* OverworldLevel = "overworld";
constexpr const char* AmbientMusic = "event:/Music/AmbientTracks";

void MarkForRemoval(const char* name)
{
  if (Space* space = FindLiveSpace(name))
    space->MarkForRemoval();
}

void Run(Space* space, bool running, bool visible)
{
  if (space == nullptr)
    return;
  space->SetPaused(!running);
  space->SetVisible(visible);
}

// Milliseconds shown: a frame's step is tens of them.
std::string ClockText(double seconds)
{
  char text[32];
  std::snprintf(text, sizeof text, "%.3f", seconds);
  return text;
}

}  // namespace

void LevelTransitionManager::OnAwake()
{
  Run(ShowLevel(Encounter, BlankLevel), false, false);
  Run(ShowLevel(Overworld, BlankLevel), false, false);
  Run(ShowLevel(Utility, BlankLevel), true, true);
  if (EventManager* events = EventManager::Instance())
  {
    events->Subscribe<LevelTransitionManager, StartOverworldEvent>(this, LevelTransitionChannel);
    events->Subscribe<LevelTransitionManager, ReturnToOverworldEvent>(this, LevelTransitionChannel);
    events->Subscribe<LevelTransitionManager, StartEncounterEvent>(this, LevelTransitionChannel);
    events->Subscribe<LevelTransitionManager, StartUtilityEvent>(this, LevelTransitionChannel);
  }
  // The console's "score" tells every space, this one too, when it sets the board.
  SubscribeOnSpace<UpdateReputation>(this);
  SubscribeOnSpace<UpdateEvent>(this);
  SendNow<CueMusicEvent>(BRINDLE_SITE, SoundSystemChannel, "event:/Music/IntroSequence");
}

void LevelTransitionManager::UnloadUtility()
{
  if (FindLiveSpace(Utility) != nullptr)
    Run(ShowLevel(Utility, BlankLevel), false, false);
}

ScoreBoard* LevelTransitionManager::FindScoreBoard(const char* skippedStep)
{
  GameObject* object = GetGameObject();
  ScoreBoard* board = object != nullptr ? object->GetComponent<ScoreBoard>() : nullptr;
  if (board == nullptr)
    missingScoreBoard.Report(*this, "ScoreBoard", skippedStep);
  return board;
}

void LevelTransitionManager::ShowScore(std::int32_t score, bool showGoal)
{
  Space* hud = FindLiveSpace(OverworldHud);
  if (TextToSprite* reputation = FindText(hud, "OW_Reputation"))
    reputation->SetNumber(static_cast<int>(score));
  if (!showGoal)
    return;
  if (TextToSprite* goal = FindText(hud, "OW_Reputation_Goal"))
    goal->SetString("of " + std::to_string(BossShipScore));
}

void LevelTransitionManager::On(UpdateReputation*)
{
  if (ScoreBoard* board = FindScoreBoard("showing the score"))
    ShowScore(board->GetScore(), false);
}

void LevelTransitionManager::On(UpdateEvent* event)
{
  clock += event->dt;
}

void LevelTransitionManager::On(StartOverworldEvent*)
{
  if (!LevelExists(OverworldLevel, "LTM: StartOverworld"))
    return;
  LogLine("LTM: StartOverworld");
  bossShipSpawned = false;
  // A new run: the ship starts at the overworld's start point, not where the last run left it, and
  // the player carries nothing of it. (The ship keeps its place as its overworld goes, after the end
  // screen or the menu are shown.)
  if (Registry* registry = Registry::Instance())
    registry->GetDataBoard().ForgetRun();
  UnloadUtility();
  MarkForRemoval(Overworld);
  Space* overworld = ShowLevel(Overworld, OverworldLevel);
  MarkForRemoval(OverworldHud);
  ShowLevel(OverworldHud, OverworldHud);
  ShowScore(0, true);
  if (overworld != nullptr)
  {
    SendNow<PlaceCameraEvent>(BRINDLE_SITE, overworld->GetId(), 2.7f, glm::vec2(-2000.0f, 1200.0f));
    // The camera, placed at 2.7, then eases to 2.
    Queue<SetZoom>(BRINDLE_SITE, overworld->GetId(), 2.0f, 0.6f);
  }
  Run(overworld, true, true);
  if (ScoreBoard* board = FindScoreBoard("resetting the score"))
    board->SetScore(0);
  SendNow<FadeInto>(BRINDLE_SITE, SoundSystemChannel, AmbientMusic);
}

void LevelTransitionManager::On(StartEncounterEvent* event)
{
  if (!LevelExists(event->level, "LTM: StartEncounter"))
    return;
  LogLine("LTM: StartEncounter: ", event->level, " at ", ClockText(clock), " s");
  UnloadUtility();
  // The overworld keeps its objects and state while the encounter runs.
  Run(FindLiveSpace(Overworld), false, false);
  Run(FindLiveSpace(OverworldHud), false, false);
  Space* encounter = ShowLevel(Encounter, event->level);
  if (event->level != "BossRoom")
    SendNow<CueTransition>(BRINDLE_SITE, SoundSystemChannel, "event:/Music/BattleMusic");
  // The level is loaded already, so its spawners are listening.
  if (encounter != nullptr)
    SendNow<SpawnEnemies>(BRINDLE_SITE, encounter->GetId(), event->faction);
  Run(encounter, true, true);
}

void LevelTransitionManager::On(ReturnToOverworldEvent*)
{
  LogLine("LTM: ReturnToOverworld at ", ClockText(clock), " s");
  Space* overworld = FindLiveSpace(Overworld);
  if (overworld == nullptr || overworld->GetName() != OverworldLevel)
    overworld = ShowLevel(Overworld, OverworldLevel);
  UnloadUtility();
  MarkForRemoval(Encounter);
  MarkForRemoval(SpaceNames::Hud);
  Run(ShowLevel(Encounter, BlankLevel), false, false);
  if (overworld != nullptr)
    Queue<ResizeBoundary>(BRINDLE_SITE, overworld->GetId(), 12000.0f, 7000.0f, glm::vec2(0.0f, 0.0f));
  Run(overworld, true, true);
  // Its LevelManager holds the ship out of the other ships' reach for the way back, also in an
  // overworld loaded anew, whose hold no ram began.
  if (overworld != nullptr)
    SendNow<ReturnToOverworldEvent>(BRINDLE_SITE, overworld->GetId());
  // Drawn, but not updated.
  Run(FindLiveSpace(OverworldHud), false, true);

  ScoreBoard* board = FindScoreBoard("reading the score");
  const std::int32_t score = board != nullptr ? board->GetScore() : 0;
  if (score >= BossShipScore && !bossShipSpawned && overworld != nullptr)
  {
    bossShipSpawned = true;
    if (GameobjectFactory* factory = GameobjectFactory::Instance())
    {
      Handle<GameObject> bossShip;
      factory->CreateGameObjectAt(bossShip, "OW_BossShip", overworld, 5000.0f, 300.0f, BossShipName);
    }
  }
  ShowScore(score, false);
  SendNow<FadeInto>(BRINDLE_SITE, SoundSystemChannel, AmbientMusic);
}

void LevelTransitionManager::On(StartUtilityEvent* event)
{
  if (!LevelExists(event->levelName, "LTM: StartUtility"))
    return;
  LogLine("LTM: StartUtility: ", event->levelName);
  for (const char* name : {SpaceNames::Hud, OverworldHud, Overworld, Encounter, SpaceNames::MenuSpace1,
                           SpaceNames::MenuSpace0, SpaceNames::HealthIndicator})
    MarkForRemoval(name);
  // The score the run ended with goes to the new level's "Run Score" text (the end screen's)
  // before the reset wipes it.
  std::int32_t runScore = 0;
  if (ScoreBoard* board = FindScoreBoard("resetting the score"))
  {
    runScore = board->GetScore();
    board->SetScore(0);
  }
  Space* utility = ShowLevel(Utility, event->levelName);
  Run(utility, true, true);
  if (TextToSprite* text = FindText(utility, "Run Score"))
    text->SetNumber(static_cast<int>(runScore));

  const std::string& level = event->levelName;
  if (level == "introlevel")
    SendNow<CueMusicEvent>(BRINDLE_SITE, SoundSystemChannel, "event:/Music/MenuMusic");
  else if (level == "credits")
    SendNow<FadeInto>(BRINDLE_SITE, SoundSystemChannel, "event:/Music/Credits");
  else if (level == "tutorial")
    SendNow<FadeInto>(BRINDLE_SITE, SoundSystemChannel, AmbientMusic);
}
