// A run of the game's flow on the real frame loop, with stand-in levels for those the game does not
// have yet: the splash hands over to the main menu, the start button begins an overworld, whose
// HUD shows at once the score the console sets, a rammed ship starts an encounter, the exit
// returns to the same overworld (whose ship nothing boards for its first two seconds, nor before it
// has steered clear of the ships about it; nor in an overworld loaded anew on the way back), the
// boss ship comes once per run at 3000 points with its signpost, and death leads to the end screen;
// a touched start pad begins a new run, and an encounter's escape pod leads to the end screen. Each
// transition leaves the spaces as the transition table says, from the next frame.
#include "FlowScene.h"

#include "ai/ships/WaypointArrow.h"
#include "editor/ConsoleGui.h"
#include "flow/FlowEvents.h"
#include "flow/level/LevelManager.h"
#include "flow/level/LevelTransitionManager.h"
#include "flow/level/LevelTransitionTimer.h"
#include "gameplay/LevelEvents.h"
#include "gameplay/combat/CombatEvents.h"
#include "gameplay/player/PlayerEvents.h"
#include "gameplay/score/ScoreBoard.h"
#include "object/FrameEvents.h"
#include "support/HandMadeObjects.h"
#include "support/ScopedEngine.h"
#include "object/Transform.h"
#include "render/TextToSprite.h"
#include "support/CapturedLog.h"
#include "support/TestWorkingFolder.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <glm/geometric.hpp>

namespace
{
const char* const StandIns[] = {"overworld", "OW_HUD", "skirmish"};

void WriteLevel(const std::string& name, const std::string& objects)
{
  std::ofstream(Space::LevelPath(name)) << R"({"level": {"objects": [)" << objects << "]}}";
}

const char* const Overworld = R"(
  {"uuid": 1, "name": "Level Manager", "components": {"LevelManager": null}},
  {"uuid": 2, "name": "Player Ship", "components": {"Transform": {"position": [0, 0]},
     "Rigidbody": null, "CircleCollider": {"radius": 40, "group": "PLAYER"},
     "Registerer": {"registryType": "OW_CORVA"}}},
  {"uuid": 3, "name": "Raider", "components": {"Transform": {"position": [600, 0]},
     "CircleCollider": {"radius": 40, "group": "SHIP"}, "LoadEncounter": {"level filename": "skirmish"}}},
  {"uuid": 4, "name": "Far Raider", "components": {"Transform": {"position": [3000, 0]},
     "CircleCollider": {"radius": 40, "group": "SHIP"}, "LoadEncounter": {"level filename": "skirmish"}}})";

const char* const OverworldHud = R"(
  {"uuid": 1, "name": "OW_Reputation", "prefab": "TitleText"},
  {"uuid": 2, "name": "OW_Reputation_Goal", "prefab": "TitleText"})";

const char* const Skirmish = R"(
  {"uuid": 1, "name": "Level Manager", "components": {"LevelManager": null}},
  {"uuid": 2, "name": "Player", "components": {"Registerer": {"registryType": "PLAYERS"},
     "Equipment": {"startingPrimary": "pistol"}}},
  {"uuid": 3, "name": "Exit", "components": {"LoadMainZone": null}},
  {"uuid": 4, "name": "Escape Pod", "components": {"LoadEndScreen": null}})";
}  // namespace

class LevelTransitionManagerTest : public FlowScene
{
protected:
  void SetUp() override
  {
    WriteLevel("overworld", Overworld);
    WriteLevel("OW_HUD", OverworldHud);
    WriteLevel("skirmish", Skirmish);
    Json::Value boss;
    Json::Reader().parse(R"({"Transform": null})", boss);
    session->GetFactory().DefinePrefab("OW_BossShip", boss, "test");
  }

  // The game's own levels come back in place of the stand-ins, so that other tests meet them as
  // they are.
  void TearDown() override
  {
    for (const char* level : StandIns)
    {
      const std::filesystem::path shipped = TestWorkingFolder::SourceAssets() / "LevelFiles" / (std::string(level) + ".json");
      std::filesystem::remove(Space::LevelPath(level));
      if (std::filesystem::exists(shipped))
        std::filesystem::copy_file(shipped, Space::LevelPath(level));
    }
  }

  std::string Text(const std::string& space, const std::string& object)
  {
    TextToSprite* text = ComponentOf<TextToSprite>(space, object);
    return text != nullptr ? text->GetText() : "(none)";
  }

  // The player leaves the encounter through its exit.
  void Leave()
  {
    GameObject* exit = Find("Encounter", "Exit");
    ASSERT_NE(exit, nullptr);
    events->SendEvent(MemoryManager::New<InteractionEvent>(BRINDLE_SITE, exit->GetId()));
    Frame();
  }

  // The player's ship moves onto a raider; the physics step reports the touch.
  void Ram(const std::string& raider)
  {
    GameObject* ship = Find("Overworld", "Player Ship");
    GameObject* target = Find("Overworld", raider);
    ASSERT_TRUE(ship != nullptr && target != nullptr);
    ship->GetTransform()->SetPosition(target->GetTransform()->GetPosition() - glm::vec2(60.0f, 0.0f));
    Frames(2);
  }

  // The game's clock named by the last line that begins with `start`, or -1.
  static double ClockIn(const CapturedLog& log, const std::string& start)
  {
    double clock = -1.0;
    for (const auto& [level, line] : log.Lines())
      if (line.rfind(start, 0) == 0)
        clock = std::stod(line.substr(start.size()));
    return clock;
  }

  std::size_t CountIn(const std::string& space, const std::string& name)
  {
    Space* where = Live(space);
    std::size_t count = 0;
    for (auto object = where->ObjectsBegin(); object != where->ObjectsEnd(); ++object)
      count += object->first == name ? 1 : 0;
    return count;
  }
};

TEST_F(LevelTransitionManagerTest, ARunGoesFromTheSplashThroughTheOverworldAndEncountersToTheEndScreen)
{
  CapturedLog log;
  session->GetSpace("splash", "splash");
  Frame();
  // The splash's level manager brought up the administration level and its transition manager.
  EXPECT_EQ(LevelIn("Admin"), "admin");
  EXPECT_EQ(StateOf("Utility"), "blank, running, shown");
  EXPECT_EQ(StateOf("Overworld"), "blank, paused, hidden");
  EXPECT_EQ(StateOf("Encounter"), "blank, paused, hidden");
  EXPECT_EQ(soundRequests.lines, std::vector<std::string>{"cue event:/Music/IntroSequence"});

  // A key after the splash's first moments, in the very frame its timer also runs out: both ask
  // for the menu while the splash is being removed, and the menu is loaded once.
  Frames(10);
  auto* timer = ComponentOf<LevelTransitionTimer>("splash", "Timer");
  ASSERT_NE(timer, nullptr);
  MemberList timerMembers(*timer);
  Json::Value almostDone(Step / 2.0f);
  timerMembers["timer"]->Deserialize(almostDone);
  Frame({TestEvents::Key(SDLK_SPACE, true)});
  Space* menu = Live("Utility");
  Frame({TestEvents::Key(SDLK_SPACE, false)});
  EXPECT_EQ(Live("splash"), nullptr);
  EXPECT_EQ(StateOf("Utility"), "introlevel, running, shown");
  EXPECT_NE(Live("Utility"), menu) << "the blank utility space made way for the menu";
  menu = Live("Utility");
  Frame();
  EXPECT_EQ(Live("Utility"), menu) << "the second request found the menu there and left it";
  EXPECT_EQ(log.CountOf("LTM: StartUtility: introlevel"), 2u);
  EXPECT_EQ(soundRequests.lines.back(), "cue event:/Music/MenuMusic");

  // Start, clicked with the mouse.
  Click("Utility", "Start");
  EXPECT_EQ(StateOf("Utility"), "blank, paused, hidden");
  EXPECT_EQ(StateOf("Overworld"), "overworld, running, shown");
  EXPECT_EQ(StateOf("OW_HUD"), "OW_HUD, running, shown");
  EXPECT_EQ(StateOf("Encounter"), "(none)") << "the menu's transition removed it";
  EXPECT_EQ(Text("OW_HUD", "OW_Reputation"), "0");
  EXPECT_EQ(Text("OW_HUD", "OW_Reputation_Goal"), "of 3000");
  EXPECT_EQ(soundRequests.lines.back(), "fade event:/Music/AmbientTracks");
  Space* overworld = Live("Overworld");
  // The console's score shows on the HUD at once, and the reply names the number set.
  ConsoleGui& console = session->GetConsole();
  console.ExecuteCommand("score 0042", ' ');
  EXPECT_EQ(Text("OW_HUD", "OW_Reputation"), "42");
  EXPECT_EQ(dynamic_cast<const TextCommandOutput&>(*console.GetLog().back()).GetText(), "The score is 42");

  // The rammed raider goes, the encounter comes.
  Ram("Raider");
  EXPECT_EQ(StateOf("Encounter"), "skirmish, running, shown");
  EXPECT_EQ(StateOf("Overworld"), "overworld, paused, hidden");
  EXPECT_EQ(StateOf("OW_HUD"), "OW_HUD, paused, hidden");
  EXPECT_EQ(Find("Overworld", "Raider"), nullptr);
  EXPECT_EQ(soundRequests.lines.back(), "transition event:/Music/BattleMusic");

  // Leaving: the same overworld resumes, its HUD is drawn but stands still, the encounter is blank;
  // the player's pistol is carried, and the empty slots leave what was carried before.
  auto* board = ComponentOf<ScoreBoard>("Admin", "LTM");
  ASSERT_NE(board, nullptr);
  board->SetScore(2999);
  registry->GetDataBoard().SetSecondaryItem("rocket_launcher");
  float overworldTime = 0.0f;  // the overworld's own game time from here on
  EventRecorder<UpdateEvent> overworldClock(overworld->GetId());
  overworldClock.onEvent = [&overworldTime](UpdateEvent& event) { overworldTime += event.dt; };
  Leave();
  EXPECT_EQ(registry->GetDataBoard().GetPrimaryItem(), "pistol");
  EXPECT_EQ(registry->GetDataBoard().GetSecondaryItem(), "rocket_launcher");
  EXPECT_EQ(Live("Overworld"), overworld);
  EXPECT_EQ(StateOf("Overworld"), "overworld, running, shown");
  EXPECT_EQ(StateOf("OW_HUD"), "OW_HUD, paused, shown");
  EXPECT_EQ(StateOf("Encounter"), "blank, paused, hidden");
  EXPECT_EQ(Text("OW_HUD", "OW_Reputation"), "2999");
  EXPECT_EQ(Find("Overworld", "bossShip"), nullptr) << "2999 is not enough";

  // The ship that comes back is out of every ship's reach until the overworld has run for two
  // seconds of its own time and the ship has steered clear of the ships about it: the raider lying
  // on it boards nothing while it stays there; moved off and back onto it, it boards it. At 3000
  // the boss ship comes, once in the run.
  Ram("Far Raider");
  EXPECT_EQ(StateOf("Encounter"), "blank, paused, hidden") << "rammed at once on the way back";
  ASSERT_NE(Find("Overworld", "Far Raider"), nullptr);
  for (int frame = 0; frame < 300 && overworldTime < 3.0f; ++frame)
    Frame();
  EXPECT_EQ(StateOf("Encounter"), "blank, paused, hidden") << "boarded with the raider still lying on it";
  Find("Overworld", "Player Ship")->GetTransform()->SetPosition(glm::vec2(1500.0f, 0.0f));
  Frame();
  Ram("Far Raider");
  EXPECT_EQ(LevelIn("Encounter"), "skirmish");
  // The log names the game's clock at the return and at the boarding: their gap is the time the
  // overworld ran, to a frame's step.
  EXPECT_NEAR(ClockIn(log, "LTM: StartEncounter: skirmish at ") - ClockIn(log, "LTM: ReturnToOverworld at "), overworldTime, Step);
  board->SetScore(3000);
  Leave();
  ASSERT_NE(Find("Overworld", "bossShip"), nullptr);
  EXPECT_EQ(Find("Overworld", "bossShip")->GetTransform()->GetWorldPosition(), glm::vec2(5000.0f, 300.0f));
  // Nobody need know where to look: the king speaks up on the HUD for ten seconds, the goal line
  // says where to go, and a large white arrow points from the player's ship at his.
  Frame();
  const BossShipSignpost& signpost = ComponentOf<LevelManager>("Overworld", "Level Manager")->GetSignpost();
  ASSERT_TRUE(signpost.GetHail().IsValid() && signpost.GetArrow().IsValid());
  EXPECT_EQ(signpost.GetHail()->GetSpace(), Live("OW_HUD"));
  EXPECT_EQ(Text("OW_HUD", "OW_Reputation_Goal"), BossShipSignpost::GoalLine);
  const glm::vec2 shipAt = Find("Overworld", "Player Ship")->GetTransform()->GetWorldPosition();
  const glm::vec2 pointing = signpost.GetArrow()->GetTransform()->GetWorldPosition() - shipAt;
  EXPECT_NEAR(glm::length(pointing), WaypointArrow::Distance, 1.0f);
  EXPECT_GT(glm::dot(glm::normalize(pointing), glm::normalize(glm::vec2(5000.0f, 300.0f) - shipAt)), 0.999f);
  Frames(static_cast<int>(BossShipSignpost::HailSeconds / Step) + 2);
  EXPECT_FALSE(signpost.GetHail().IsValid());
  EXPECT_TRUE(signpost.GetArrow().IsValid());
  events->SendEvent(MemoryManager::New<StartEncounterEvent>(BRINDLE_SITE, LevelTransitionChannel, "skirmish", nullptr));
  Frame();
  Leave();
  EXPECT_EQ(CountIn("Overworld", "bossShip"), 1u);

  // A transition to a level without a file changes nothing.
  events->SendEvent(MemoryManager::New<StartUtilityEvent>(BRINDLE_SITE, LevelTransitionChannel, "nowhere"));
  Frame();
  EXPECT_TRUE(log.Contains("[ERROR] LTM: StartUtility: there is no level \"nowhere\""));
  EXPECT_EQ(StateOf("Overworld"), "overworld, running, shown");

  // The way back holds in an overworld loaded anew too: with another level loaded into its space
  // (as the console's load_level does) and left by its exit, the overworld comes back afresh, and a
  // raider lying on the ship boards nothing.
  session->SetPendingLevel("Overworld", "skirmish");
  Frame();
  ASSERT_NE(Find("Overworld", "Exit"), nullptr);
  events->SendEvent(MemoryManager::New<InteractionEvent>(BRINDLE_SITE, Find("Overworld", "Exit")->GetId()));
  Frame();
  ASSERT_NE(Live("Overworld"), overworld);
  overworld = Live("Overworld");
  EXPECT_EQ(StateOf("Overworld"), "overworld, running, shown");
  Ram("Raider");
  EXPECT_EQ(StateOf("Encounter"), "blank, paused, hidden") << "rammed at once on the way back";

  // Death in the overworld ends the run: a deadly hazard under the player's ship sets off one blast
  // and ends the run two seconds later; the end screen replaces every space of the run. (Away from
  // the boss ship's waters, and past the way back's hold, where nothing reaches the ship.)
  Find("Overworld", "Player Ship")->GetTransform()->SetPosition(glm::vec2(-1000.0f, 0.0f));
  Frames(static_cast<int>(ShipHold::Grace / Step) + 1);
  registry->GetDataBoard().GetCollectedItems().resize(2);
  Define("Hazard", R"({"Transform": null, "CircleCollider": {"group": "ENEMY_LASER", "ghost": true, "radius": 60},
                        "KillOnContact": null})");
  Make("Hazard", Find("Overworld", "Player Ship")->GetTransform()->GetWorldPosition(), "Hazard", overworld);
  Frame();
  EXPECT_EQ(CountPrefab(*overworld, "ShipDeathBlast"), 1u);
  int framesToTheEnd = 1;
  std::size_t mostBlasts = 0;
  while (LevelIn("Utility") != "endscreen" && framesToTheEnd < 300)
  {
    mostBlasts = std::max(mostBlasts, CountPrefab(*overworld, "ShipDeathBlast"));
    Frame();
    ++framesToTheEnd;
  }
  EXPECT_NEAR(framesToTheEnd * Step, 2.0f, 0.1f) << "two seconds after the touch";
  EXPECT_EQ(mostBlasts, 1u) << "one blast, however long the touch lasts";
  Frame();
  EXPECT_EQ(StateOf("Utility"), "endscreen, running, shown");
  EXPECT_EQ(Live("Overworld"), nullptr);
  EXPECT_EQ(Live("OW_HUD"), nullptr);
  EXPECT_EQ(Live("Encounter"), nullptr);
  EXPECT_EQ(LevelIn("Admin"), "admin");
  EXPECT_TRUE(registry->GetDataBoard().GetCollectedItems().empty());
  EXPECT_EQ(board->GetScore(), 0);
  EXPECT_EQ(Text("Utility", "Run Score"), "3000") << "the score the run ended with, shown before the reset";
  EXPECT_EQ(soundRequests.lines.back(), "fade event:/Music/Credits");
  // Once the (empty) haul is out, any key held a moment (the dumper looks every tenth of a second)
  // leads on to the menu. The chest it pours from has come whole into the end screen's view, and
  // on its way there crossed none of the screen's pictures.
  GameObject* chest = Find("Utility", "Collection Dumper");
  GameObject* camera = Find("Utility", "Camera");
  ASSERT_TRUE(chest != nullptr && camera != nullptr);
  for (int frame = 0; frame < 70; ++frame)
  {
    Frame();
    for (const char* piece : {"Title", "Score", "Press Any Key"})
      EXPECT_FALSE(SpriteBox(*chest).Meets(SpriteBox(*Find("Utility", piece)))) << "frame " << frame << ": " << piece;
  }
  EXPECT_EQ(chest->GetTransform()->GetWorldPosition(), glm::vec2(0.0f, 500.0f));
  EXPECT_LE(500.0f + chest->GetTransform()->GetScale().y / 2.0f, camera->GetTransform()->GetWorldPosition().y + 540.0f);
  Frame({TestEvents::Key(SDLK_w, true)});
  Frames(8);
  Tap(SDLK_w);
  EXPECT_EQ(StateOf("Utility"), "introlevel, running, shown") << log.Text();

  // A start pad that anything may touch (here a stray shot) starts a new run, whatever level it
  // names: its own space is hidden and paused, and the music goes over to the ambient tracks.
  Space* pads = LiveSpace("Pads", "blank");
  Define("TestStartPad", R"({"Transform": null, "CircleCollider": {"group": "PROPS", "ghost": true, "radius": 60},
                            "SimpleButtonLogic": {"level file": "nowhere"}})");
  Define("TestShot", R"({"Transform": null, "Rigidbody": null, "CircleCollider": {"group": "PROJECTILE", "radius": 8}})");
  Make("TestStartPad", {0.0f, 0.0f}, "Pad", pads);
  Make("TestShot", {20.0f, 0.0f}, "Shot", pads);
  soundRequests.lines.clear();
  for (int frame = 0; frame < 5 && Live("Overworld") == nullptr; ++frame)
    Frame();
  EXPECT_EQ(StateOf("Pads"), "blank, paused, hidden");
  EXPECT_EQ(StateOf("Overworld"), "overworld, running, shown");
  EXPECT_EQ(StateOf("Utility"), "blank, paused, hidden");
  ASSERT_FALSE(soundRequests.lines.empty());
  EXPECT_EQ(soundRequests.lines.front(), "transition event:/Music/AmbientTracks");

  // The escape pod of an encounter, used, leads straight to the end screen.
  events->SendEvent(MemoryManager::New<StartEncounterEvent>(BRINDLE_SITE, LevelTransitionChannel, "skirmish", nullptr));
  Frame();
  GameObject* pod = Find("Encounter", "Escape Pod");
  ASSERT_NE(pod, nullptr);
  events->SendEvent(MemoryManager::New<InteractionEvent>(BRINDLE_SITE, pod->GetId()));
  Frame();
  EXPECT_EQ(StateOf("Utility"), "endscreen, running, shown");
  EXPECT_EQ(Live("Encounter"), nullptr);
  EXPECT_EQ(Live("Overworld"), nullptr);
  for (const AssertReport& report : asserts.Reports())
    ADD_FAILURE() << report.message;
}
