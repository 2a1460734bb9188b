// Bears, bugs and ducks from their prefabs, on the game's frame. A target walks out from behind a
// wall into the sight of a bear and a bug; an unarmed duck stands on a loose pistol far away. The
// bear chases from the update it sees the target, resending its last steering in the update of
// the switch, and fires on every chasing update; the bug turns slowly once its gun has reloaded;
// the duck picks the pistol up and stops asking; killed, the bear drops its gun once, falls
// silent and is removed after its death animation. The run is the same every time: its end state
// is pinned.
#include "support/AIScene.h"

#include "ai/enemies/BearController.h"
#include "ai/enemies/BugController.h"
#include "ai/enemies/DuckController.h"
#include "ai/navigation/Detour.h"
#include "ai/navigation/AimingModule.h"
#include "core/Send.h"
#include "gameplay/combat/CombatEvents.h"
#include "gameplay/combat/Health.h"
#include "gameplay/items/Equipment.h"
#include "physics/RectangleCollider.h"
#include "platform/Random.h"
#include "render/Sprite.h"
#include "steering/behaviors/Face.h"
#include "support/ShipScene.h"

#include <json/json.h>

namespace
{
// The bear and the bug stand left of a wall that runs from y = -3000 up to y = 0 at x = 300; the
// target starts on its right, hidden, and walks north into their sight.
const std::string GroundLevel =
    "[" + Record("Bear", "AI_bear", 1, {0, 0}, R"(, "Agent": {"motivator": [100, 20, 300, 25]})") + "," +
    Record("Bug", "AI_bug", 2, {-100, 300},
           R"(, "Agent": {"motivator": [100, 20, 300, 25]}, "Equipment": {"startingPrimary": "quick_gun"})") +
    "," +
    Record("Runner", "Default", 3, {500, -400},
           R"(, "Rigidbody": {"Velocity": [0, 300], "velocityDrag": 0.5, "invMomentInertia": 0}, "CircleCollider": {"radius": 30, "group": "PLAYER"},
              "Agent": {}, "Team": {"Team": 0}, "Health": {"hitpoints": 100000, "max hitpoints": 100000, "regens": false},
              "Registerer": {"registryType": "PLAYERS"})") +
    "," +
    Record("Wall", "Default", 4, {300, -1500},
           R"(, "RectangleCollider": {"scale": [40, 3000], "group": "WALL", "mapFlag": true})") +
    "," + Record("Duck", "AI_duck", 5, {-2500, -2500}, R"(, "Equipment": {"startingPrimary": ""})") + "," +
    Record("Loose", "enemy_pistol", 6, {-2500, -2500}) + "]";

// Two rounds to a magazine and a short reload, so the bug reloads soon after it starts shooting.
const char* QuickGun = R"({"Transform": null, "CircleCollider": {"group": "ITEMS", "radius": 26},
  "Rigidbody": {}, "Equippable": null,
  "Gun": {"magCapacity": 2, "magAmmo": 2, "fireCooldown": 0.1, "reloadTime": 0.3, "projectilePrefab": "EnemyBullet"}})";

// A ship of two rooms one above the other, joined by a shut door in the middle and an opening at
// the right end, and a closet above the upper room's left end behind a shut door of its own.
const std::string DoorShip = "ship\n10\n8\n"
                             "000 00I 00I 000 000 000 000 000 000 000 \n"
                             "0W0 100 1W0 000 000 000 000 000 000 000 \n"
                             "0W0 10D 1WI 00I 00I 00I 00I 00I 00I 000 \n"
                             "0W0 100 100 100 100 100 100 100 1W0 000 \n"
                             "0W0 10I 10I 10D 10I 10I 10I 10I 1W0 000 \n"
                             "0W0 100 100 100 100 100 100 100 1W0 000 \n"
                             "0W0 10I 10I 10I 10I 10I 10I 10I 1WI 000 \n"
                             "000 000 000 000 000 000 000 000 000 000 \n";
constexpr float DoorLine = 384.0f;   // the middle door's edge, x 384 to 512
constexpr float ClosetLine = 640.0f; // the closet's floor edge
constexpr float WallHalf = 8.0f;     // half a wall collider's thickness
constexpr float BearRadius = 38.0f;
constexpr float SmallestRadius = 22.0f;  // a drone's
}  // namespace

class GroundEnemyControllerTest : public AIScene
{
};

TEST_F(GroundEnemyControllerTest, EnemiesArmThemselvesChaseWhatTheySeeFireAndDieOnce)
{
  // A deliberate change to the AI or the physics updates this to the value the failure prints.
  constexpr std::uint64_t ExpectedHash = 0x9b287564861d5276ull;
  ResetRandom();
  CapturedLog output;
  Json::Value quickGun;
  ASSERT_TRUE(Json::Reader().parse(QuickGun, quickGun));
  session->GetFactory().DefinePrefab("quick_gun", quickGun, "test");
  Space* space = Load("grounds", GroundLevel);
  const Handle<GameObject> bear = Find(space, "Bear");
  const Handle<GameObject> bug = Find(space, "Bug");
  const Handle<GameObject> duck = Find(space, "Duck");
  const Handle<GameObject> loose = Find(space, "Loose");
  const Handle<GameObject> runner = Find(space, "Runner");
  ASSERT_TRUE(bear && bug && duck && loose && runner) << output.Text();
  const BearController* bearBrain = bear->GetComponent<BearController>();
  const BugController* bugBrain = bug->GetComponent<BugController>();
  EXPECT_EQ(bearBrain->GetMachine().GetName(), "BearController");
  EXPECT_EQ(duck->GetComponent<DuckController>()->GetMachine().GetName(), "DuckController");
  EnemyOutput bearLog(bear->GetId());
  EnemyOutput duckLog(duck->GetId());

  int switchFrame = -1;
  float turnTimeAfterReload = 0.0f;
  for (int frame = 0; frame < 1200 && (switchFrame < 0 || frame < switchFrame + 240); ++frame)
  {
    const std::size_t usesBefore = bearLog.uses.Count();
    RunFrames(1);
    ASSERT_EQ(bearLog.steerings.Count(), static_cast<std::size_t>(frame + 1)) << "one steering per update";
    const bool chasing = bearBrain->GetMachine().GetCurrentState()->GetName() == "Chasing";
    if (chasing && switchFrame < 0)
    {
      switchFrame = frame;
      const SteeringOutput& sent = bearLog.steerings.notes[frame];
      const SteeringOutput& before = bearLog.steerings.notes[frame - 1];
      EXPECT_EQ(sent.linear, before.linear) << "no step runs in the update of the switch";
      EXPECT_EQ(sent.angular, before.angular);
      EXPECT_EQ(bearLog.uses.Count(), usesBefore) << "nor does it fire";
    }
    else if (chasing)
    {
      EXPECT_EQ(bearLog.uses.Count(), usesBefore + 1) << "one use on every chasing update, frame " << frame;
    }
    else
    {
      EXPECT_EQ(bearLog.uses.Count(), usesBefore) << "a wandering enemy holds its fire, frame " << frame;
    }
    if (bugBrain->GetFace()->timeToTarget == BugController::ReloadedTurnTime)
      turnTimeAfterReload = BugController::ReloadedTurnTime;
  }
  EXPECT_GT(switchFrame, 60) << "it wandered while the wall hid the target";
  EXPECT_NE(bearLog.steerings.notes[switchFrame + 1].linear, bearLog.steerings.notes[switchFrame].linear)
      << "the chase blend steers from the next update on";
  EXPECT_TRUE(bearLog.AllRearmed()) << "the AI fires with the re-arm flag";
  EXPECT_EQ(bearLog.equipRequests.Count(), 0u) << "an armed enemy asks for nothing";
  EXPECT_EQ(bugBrain->GetMachine().GetCurrentState()->GetName(), "Chasing");
  EXPECT_EQ(turnTimeAfterReload, BugController::ReloadedTurnTime) << "the bug reloaded and turns slowly";
  EXPECT_LT(runner->GetComponent<Health>()->GetHitpoints(), 100000.0f) << "their shots hit";

  // The duck took the pistol it stood on, asking only until it held it.
  EXPECT_EQ(duck->GetComponent<Equipment>()->GetSlot(0), loose);
  EXPECT_EQ(loose->GetParent(), duck);
  EXPECT_GE(duckLog.equipRequests.Count(), 1u);
  EXPECT_LE(duckLog.equipRequests.Count(), 2u);

  // The bear's death: its gun dropped at once and once, its hitpoints at the dead value, silence,
  // and removal when its death animation ends.
  std::vector<glm::vec2> state = {PositionOf(bear), PositionOf(bug), PositionOf(duck), PositionOf(runner)};
  const Handle<GameObject> rifle = bear->GetComponent<Equipment>()->GetSlot(0);
  ASSERT_TRUE(rifle.IsValid());
  bear->GetComponent<Health>()->Kill();
  RunFrames(2);
  SendNow<DiedEvent>(BRINDLE_SITE, bear->GetId());
  EXPECT_TRUE(bearBrain->IsDead());
  EXPECT_EQ(bearLog.equipRequests.Count(), 1u) << "the drop, once";
  EXPECT_FALSE(bear->GetComponent<Equipment>()->GetSlot(0).IsValid());
  EXPECT_FALSE(rifle->GetParent().IsValid()) << "the gun lies loose";
  EXPECT_EQ(bear->GetComponent<Health>()->GetHitpoints(), Health::DeadHitpoints);
  const std::size_t steeringsAtDeath = bearLog.steerings.Count();
  const std::size_t usesAtDeath = bearLog.uses.Count();
  RunFrames(400);
  EXPECT_EQ(bearLog.steerings.Count(), steeringsAtDeath);
  EXPECT_EQ(bearLog.uses.Count(), usesAtDeath);
  EXPECT_FALSE(bear.IsValid()) << "removed when its death animation ended";
  EXPECT_TRUE(rifle.IsValid());
  EXPECT_FALSE(output.Contains("[ERROR]")) << output.Text();
  EXPECT_FALSE(output.Contains("[WARNING]")) << output.Text();

  const std::uint64_t hash = HashOf(state);
  EXPECT_EQ(hash, ExpectedHash) << "the run now ends in state 0x" << std::hex << hash;
}

// The crew behind a shut door: a bear pressed against the door's far side, a drone beside it and a
// bear shut in the closet, the player just in front of the door. Characters sort by their feet:
// the bear against the door's far side is drawn over the door, its rifle with it. Nobody shoots at what it cannot see; the bear and the drone walk
// round by the opening into sight, and only then fire; the closet's bear, with no way out, wanders
// its closet rather than pressing against the wall and door between it and the player. A second
// bear, nearer the opening, reaches its first corner between two looks at its route and heads on
// from there at once.
TEST_F(GroundEnemyControllerTest, TheCrewBehindAShutDoorNeitherShootsIntoItNorPressesAgainstIt)
{
  ResetRandom();
  CapturedLog output;
  using ShipLevel::Object;
  ShipLevel::Write("doorship", DoorShip, {0.0f, 0.0f},
                   {Object("Bear", "AI_bear", {448.0f, DoorLine + WallHalf + BearRadius}),
                    Object("Drone", "DroneSpawn", {320.0f, 576.0f}), Object("Shut In", "AI_bear", {320.0f, 832.0f}),
                    Object("Second Bear", "AI_bear", {850.0f, 500.0f}),
                    Object("Runner", "Default", {448.0f, DoorLine - WallHalf - 30.0f}, "{" + PlayerStandIn + "}")});
  writtenFiles.push_back(Space::LevelPath("doorship"));
  writtenFiles.push_back("Assets/Ship/doorship.txt");
  Space* space = LiveSpace("doorship", "doorship");
  Handle<GameObject> runner = Find(space, "Runner");
  const Handle<GameObject> bear = Find(space, "Bear");
  const Handle<GameObject> drone = Find(space, "Drone");
  const Handle<GameObject> shutIn = Find(space, "Shut In");
  const Handle<GameObject> second = Find(space, "Second Bear");
  ASSERT_TRUE(runner && bear && drone && shutIn && second) << output.Text();
  const ShipMap& map = *Find(space, "Ship")->GetComponent<ShipMap>();

  // Sorted by y, a wall on a tile's lower edge (a door among them) is drawn over whoever touches it
  // from above and under whoever touches it from below; one on a right edge over whoever touches
  // it anywhere along its length.
  auto sortY = [](const GameObject& object) { return object.GetSprite()->MakeInstance(glm::mat3(1.0f)).sortY; };
  int walls = 0;
  for (int x = 0; x < map.GetWidth(); ++x)
    for (int y = 0; y < map.GetHeight(); ++y)
      for (int slot : {ShipMap::SideSlot, ShipMap::BottomSlot})
        if (const GameObject* wall = map.GetTileObject(x, y, slot).Get())
        {
          ++walls;
          const RectangleCollider* body = wall->GetComponent<RectangleCollider>();
          ASSERT_NE(body, nullptr);
          const float top = body->GetPosition().y + body->scale.y / 2.0f;
          const float bottom = body->GetPosition().y - body->scale.y / 2.0f;
          if (slot == ShipMap::SideSlot)
            EXPECT_LE(sortY(*wall), bottom) << wall->GetPrefabName() << " at " << x << ", " << y;
          else
          {
            EXPECT_LT(sortY(*wall), top + SmallestRadius) << wall->GetPrefabName() << " at " << x << ", " << y;
            EXPECT_GT(sortY(*wall), bottom - SmallestRadius) << wall->GetPrefabName() << " at " << x << ", " << y;
          }
        }
  EXPECT_GT(walls, 30);
  EXPECT_LT(sortY(*bear), sortY(*map.GetTileObject(3, 3, ShipMap::BottomSlot)))
      << "the bear stands in front of the door below it";

  EnemyOutput bearLog(bear->GetId());
  EnemyOutput droneLog(drone->GetId());
  EnemyOutput shutInLog(shutIn->GetId());
  const BearController* bearBrain = bear->GetComponent<BearController>();
  const BearController* secondBrain = second->GetComponent<BearController>();
  auto sees = [&](const Handle<GameObject>& watcher) { return watcher->GetComponent<AimingModule>()->CanSee(&runner); };
  int bearInSight = -1;
  int droneInSight = -1;
  int pressed = 0;
  int bearShotsBlind = 0;
  int droneShotsBlind = 0;
  int cornersReached = 0;
  int lingered = 0;
  bool atCorner = false;
  glm::vec2 lastHeading{0.0f, 0.0f};
  constexpr int Frames = 1800;
  for (int frame = 0; frame < Frames; ++frame)
  {
    const std::size_t bearUses = bearLog.uses.Count();
    const std::size_t droneUses = droneLog.uses.Count();
    const bool droneSaw = sees(drone);
    RunFrames(1);
    if (frame == 0)
    {
      EXPECT_NEAR(sortY(*bear->GetComponent<Equipment>()->GetSlot(0)), sortY(*bear), BearRadius)
          << "the rifle is drawn with the body that holds it";
    }
    if (bearInSight < 0 && bearBrain->GetMachine().GetCurrentState()->GetName() == "Chasing")
      bearInSight = frame;
    if (droneInSight < 0 && sees(drone))
      droneInSight = frame;
    bearShotsBlind += bearLog.uses.Count() != bearUses && bearInSight < 0 ? 1 : 0;
    droneShotsBlind += droneLog.uses.Count() != droneUses && !droneSaw && !sees(drone) ? 1 : 0;
    if (PositionOf(shutIn).y < ClosetLine + WallHalf + BearRadius + 4.0f)
      ++pressed;
    if (secondBrain->GetMachine().GetCurrentState()->GetName() != "Chasing")
    {
      const glm::vec2 heading = secondBrain->GetTargetKinematic()->position;
      lingered += atCorner && heading == lastHeading ? 1 : 0;
      atCorner = glm::length(heading - PositionOf(second)) < Detour::ReachedDistance;
      cornersReached += atCorner ? 1 : 0;
      lastHeading = heading;
    }
  }
  EXPECT_EQ(bearShotsBlind, 0);
  EXPECT_EQ(droneShotsBlind, 0);
  EXPECT_GT(bearInSight, 60) << "the bear came round by the opening";
  EXPECT_GT(droneInSight, 0) << "and so did the drone";
  EXPECT_GT(cornersReached, 0);
  EXPECT_EQ(lingered, 0) << "the second bear waited at a corner it had reached";
  EXPECT_GT(bearLog.uses.Count(), 100u) << "then fired";
  EXPECT_GT(droneLog.uses.Count(), 100u);
  EXPECT_LT(runner->GetComponent<Health>()->GetHitpoints(), 100000.0f);
  EXPECT_EQ(shutInLog.uses.Count(), 0u) << "the closet's bear never saw the player";
  EXPECT_LT(pressed, Frames / 16) << "it spent " << pressed << " of " << Frames
                                  << " frames against the wall and door below it";
  EXPECT_FALSE(output.Contains("[ERROR]")) << output.Text();
  EXPECT_FALSE(output.Contains("[WARNING]")) << output.Text();
}
