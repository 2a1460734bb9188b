// A bandit and a hunter (TestController) from their prefabs, in a ship whose hull a wall splits into
// two halves joined along the bottom row. The bandit stands in the runner's half: it fights from its
// second update, having sent no steering on its first, and fires once per combat update. The hunter
// starts behind the wall: while it cannot see the runner it keeps a route from itself to the runner
// round the wall's end, follows it into sight and chases, keeping its last route.
#include "support/AIScene.h"

#include "ai/enemies/BanditController.h"
#include "ai/enemies/TestController.h"
#include "gameplay/combat/Health.h"
#include "platform/Random.h"
#include "steering/Agent.h"
#include "support/ShipScene.h"

#include <algorithm>
#include <cmath>

namespace
{
const std::string SplitHull = "ship\n8\n6\n"
                              "000 00I 00I 00I 00I 00I 00I 000 \n"
                              "0W0 100 100 1W0 100 100 1W0 000 \n"
                              "0W0 100 100 1W0 100 100 1W0 000 \n"
                              "0W0 100 100 1W0 100 100 1W0 000 \n"
                              "0W0 10I 10I 10I 10I 10I 1WI 000 \n"
                              "000 000 000 000 000 000 000 000 \n";

glm::vec2 Centre(int x, int y)
{
  return glm::vec2(static_cast<float>(x) + 0.5f, static_cast<float>(y) + 0.5f) * 128.0f;
}
}  // namespace

class BanditControllerTest : public AIScene
{
};

TEST_F(BanditControllerTest, TheBanditFightsWhatItSeesAndTheHunterRoutesRoundTheWallToIt)
{
  ResetRandom();
  CapturedLog output;
  using ShipLevel::Object;
  ShipLevel::Write(
      "banditship", SplitHull, {0.0f, 0.0f},
      {Object("Bandit", "AI_bandit", Centre(5, 2)), Object("Hunter", "AI_hunter", Centre(1, 4)),
       Object("Runner", "Default", Centre(5, 4), "{" + PlayerStandIn + "}")});
  writtenFiles.push_back(Space::LevelPath("banditship"));
  writtenFiles.push_back("Assets/Ship/banditship.txt");
  Space* space = LiveSpace("banditship", "banditship");
  const Handle<GameObject> bandit = Find(space, "Bandit");
  const Handle<GameObject> hunter = Find(space, "Hunter");
  const Handle<GameObject> runner = Find(space, "Runner");
  ASSERT_TRUE(bandit && hunter && runner) << output.Text();
  const BanditController* banditBrain = bandit->GetComponent<BanditController>();
  const TestController* hunterBrain = hunter->GetComponent<TestController>();
  EXPECT_EQ(banditBrain->GetMachine().GetName(), "BanditController");
  EXPECT_EQ(hunterBrain->GetMachine().GetName(), "TestController");
  EXPECT_FLOAT_EQ(bandit->GetComponent<Agent>()->GetMotivator().GetValue(Motivator::MaxAngularVelocity), 25.0f / 5.0f)
      << "it turns at a fifth of the prefab's rate";
  EnemyOutput banditLog(bandit->GetId());

  RunFrames(1);
  EXPECT_EQ(banditBrain->GetMachine().GetCurrentState()->GetName(), "Wandering");
  ASSERT_EQ(banditLog.steerings.Count(), 1u);
  EXPECT_EQ(banditLog.steerings.notes[0].linear, glm::vec2(0.0f)) << "entering the first state runs no step";
  EXPECT_EQ(banditLog.steerings.notes[0].angular, 0.0f);

  const glm::vec2 goal = PositionOf(runner);
  bool routedRoundTheWall = false;
  int chaseFrame = -1;
  Path lastRoute;
  for (int frame = 1; frame < 1500 && chaseFrame < 0; ++frame)
  {
    const std::size_t usesBefore = banditLog.uses.Count();
    const bool wasInCombat = banditBrain->GetMachine().GetCurrentState()->GetName() == "Combat";
    RunFrames(1);
    const bool inCombat = banditBrain->GetMachine().GetCurrentState()->GetName() == "Combat";
    EXPECT_EQ(banditLog.uses.Count(), usesBefore + (wasInCombat && inCombat ? 1 : 0))
        << "one use on each combat update after the switch, frame " << frame;

    const Path& route = *hunterBrain->GetPath();
    if (hunterBrain->GetMachine().GetCurrentState()->GetName() == "Chasing")
    {
      chaseFrame = frame;
      EXPECT_EQ(route, lastRoute) << "the route is kept once the runner is in sight";
      break;
    }
    ASSERT_GE(route.size(), 2u) << "frame " << frame;
    EXPECT_LT(glm::length(route.front() - PositionOf(hunter)), 20.0f) << "it starts where the hunter stood";
    EXPECT_LT(glm::length(route.back() - goal), 1.0f) << "and ends at the runner";
    if (route.size() > 2 && route[1].y < Centre(0, 2).y)
      routedRoundTheWall = true;
    lastRoute = route;
  }
  EXPECT_TRUE(routedRoundTheWall) << "its first waypoints lay down by the wall's end";
  EXPECT_GT(chaseFrame, 60) << "it had to walk round before it saw the runner";
  EXPECT_GT(PositionOf(hunter).x, Centre(3, 0).x) << "it came through into the runner's half";
  EXPECT_EQ(banditBrain->GetMachine().GetCurrentState()->GetName(), "Combat");
  EXPECT_TRUE(banditLog.AllRearmed());
  EXPECT_LT(runner->GetComponent<Health>()->GetHitpoints(), 100000.0f) << "the bandit's shots hit";
  EXPECT_FALSE(output.Contains("[ERROR]")) << output.Text();
  EXPECT_FALSE(output.Contains("[WARNING]")) << output.Text();
}

// Saved and loaded three times, a bandit and a hunter keep the prefab's rotation limit as written
// and still turn at a fifth of it; a removed controller gives the Agent its own rate back.
TEST_F(BanditControllerTest, SavingAndLoadingKeepsTheRotationLimitAndTheCut)
{
  ResetRandom();
  CapturedLog output;
  const std::string level = "banditsaves";
  const std::string objects = "[" + Record("Bandit", "AI_bandit", 1, {0.0f, 0.0f}) + ", " +
                              Record("Hunter", "AI_hunter", 2, {600.0f, 0.0f}) + "]";
  Space* space = Load(level, objects);
  for (int round = 0; round < 4; ++round)
  {
    for (const char* name : {"Bandit", "Hunter"})
    {
      const Handle<GameObject> enemy = Find(space, name);
      ASSERT_TRUE(enemy) << name << " round " << round << output.Text();
      Agent* agent = enemy->GetComponent<Agent>();
      EXPECT_FLOAT_EQ(agent->GetMotivator().GetBase(Motivator::MaxAngularVelocity), 25.0f) << name << round;
      EXPECT_FLOAT_EQ(agent->GetMotivator().GetValue(Motivator::MaxAngularVelocity), 5.0f) << name << round;
    }
    float fastest = 0.0f;
    for (int frame = 0; frame < 240; ++frame)
    {
      RunFrames(1);
      for (const char* name : {"Bandit", "Hunter"})
        fastest = std::max(fastest, std::fabs(Find(space, name)->GetComponent<Agent>()->GetKinematic()->rotation));
    }
    EXPECT_GT(fastest, 4.0f) << "it turns up to the cut, round " << round;
    EXPECT_LE(fastest, 5.0f + 300.0f * FrameStep) << "one update's acceleration past the cut at most, round " << round;
    if (round == 3)
      break;
    ASSERT_TRUE(space->SaveLevel(Space::LevelPath(level)));
    session->UnloadAllSpaces();
    space = LiveSpace(level, level);
  }
  const Handle<GameObject> bandit = Find(space, "Bandit");
  bandit->RemoveComponent(bandit->GetComponents().find("BanditController"));
  EXPECT_FLOAT_EQ(bandit->GetComponent<Agent>()->GetMotivator().GetValue(Motivator::MaxAngularVelocity), 25.0f);
  EXPECT_FALSE(output.Contains("[ERROR]")) << output.Text();
}
