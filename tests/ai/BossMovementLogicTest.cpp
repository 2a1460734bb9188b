// The boss's walk on the game's frame: armed with his gun at waking, he turns at each waypoint,
// steers his Agent every update except while charging or stopped, and keeps switching waypoints
// while he charges.
#include "support/AIScene.h"
#include "ai/boss/BossMovementLogic.h"
#include "gameplay/items/Equipment.h"
#include "support/CapturedLog.h"

#include <cmath>

class BossMovementLogicTest : public AIScene
{
protected:
  CapturedLog output;
};

TEST_F(BossMovementLogicTest, TheBossWalksBetweenHisWaypointsArmedAndHoldsHisSteeringWhileCharging)
{
  Space* room = Load("bossmovement", "[" + Record("Boss", "Boss", 1, {2450.0f, 2000.0f}) + ", " +
                                         Record("Turned", "Boss", 2, {700.0f, 1000.0f},
                                                R"(, "BossMovementLogic": {"previous": 0, "right": false})") +
                                         ", " + Record("Broken", "Boss", 3, {1600.0f, 600.0f},
                                                       R"(, "BossMovementLogic": {"previous": 7})") + "]");
  const Handle<GameObject> boss = Find(room, "Boss");
  BossMovementLogic* walk = boss->GetComponent<BossMovementLogic>();
  // The gun: made, equipped in slot 0 under the boss, 75 right and 100 down, pointing down.
  const Handle<GameObject> gun = boss->GetComponent<Equipment>()->GetSlot(0);
  ASSERT_TRUE(gun.IsValid());
  EXPECT_EQ(gun->GetName(), BossMovementLogic::GunName);
  EXPECT_EQ(gun->GetTransform()->GetParent(), boss->GetTransform());
  EXPECT_NEAR(PositionOf(gun).x - PositionOf(boss).x, 75.0f, 0.01f);
  EXPECT_NEAR(PositionOf(gun).y - PositionOf(boss).y, -100.0f, 0.01f);
  EXPECT_NEAR(gun->GetTransform()->GetRotation(), 3.0f * 3.14159265f / 2.0f, 1e-5f);

  EnemyOutput log(boss->GetId());
  RunFrames(2);
  // Within 100 of (2500, 2000) at once: he turns towards (700, 2000).
  EXPECT_EQ(walk->GetPrevious(), 0u);
  EXPECT_FALSE(walk->GetRight());
  EXPECT_EQ(walk->GetWaypoint(), glm::vec2(700.0f, 2000.0f));
  EXPECT_EQ(log.steerings.Count(), 2u);
  // A level that starts him towards the near end turns him the other way; one that names a
  // waypoint he does not have is told so and walks to the default one.
  EXPECT_EQ(Find(room, "Turned")->GetComponent<BossMovementLogic>()->GetWaypoint(), glm::vec2(700.0f, 2000.0f));
  EXPECT_EQ(Find(room, "Broken")->GetComponent<BossMovementLogic>()->GetPrevious(), 1u);
  EXPECT_TRUE(output.Contains("[WARNING] BossMovementLogic of \"Broken\": \"previous\" 7 names no waypoint"));

  RunFrames(240);
  EXPECT_LT(PositionOf(boss).x, 2300.0f) << "he walks towards the far end";
  EXPECT_NEAR(PositionOf(boss).y, 2000.0f, 20.0f);

  // Charging: no steering goes out, yet the waypoint still switches when he is near it.
  walk->SetCharging(true);
  const std::size_t steered = log.steerings.Count();
  boss->GetTransform()->SetPosition({650.0f, 2000.0f});
  RunFrames(10);
  EXPECT_EQ(log.steerings.Count(), steered);
  EXPECT_EQ(walk->GetPrevious(), 1u);
  EXPECT_TRUE(walk->GetRight());
  walk->SetCharging(false);
  RunFrames(1);
  EXPECT_EQ(log.steerings.Count(), steered + 1);
  // Stopped for good: no steering and no more turns.
  walk->Stop();
  boss->GetTransform()->SetPosition({2500.0f, 2000.0f});
  RunFrames(5);
  EXPECT_EQ(log.steerings.Count(), steered + 1);
  EXPECT_EQ(walk->GetPrevious(), 1u);
}
