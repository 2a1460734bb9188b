// The stationary enemies from their prefabs, on the game's frame. A turret turns to a runner on its
// left and fires once per update while it sees it, its gun mirrored upright and pointing the way it
// faces; with the runner moved behind a wall it stops firing. A beam drone beside a wall runs its
// five phases: the beam reaches the wall, sweeps three turns while it hurts the runner standing in
// its circle, and ends the sweep with drone and beam at rotation 0. Killed, the turret puts its gun
// down and goes; the drone goes with its beam, whose collider is off at once.
#include "support/AIScene.h"

#include "ai/enemies/SimpleBeamDrone.h"
#include "ai/enemies/SimpleTurretController.h"
#include "core/Send.h"
#include "gameplay/combat/CombatEvents.h"
#include "gameplay/combat/Health.h"
#include "gameplay/items/Equipment.h"
#include "physics/RectangleCollider.h"
#include "platform/Random.h"
#include "render/Sprite.h"
#include "steering/Agent.h"

#include <cmath>

namespace
{
const std::string Runner = ", " + PlayerStandIn;
const std::string Wall = R"(, "RectangleCollider": {"scale": [40, 600], "group": "WALL", "mapFlag": true})";

const std::string StationaryLevel =
    "[" + Record("Turret", "Turret", 1, {0, 0}) + "," + Record("Target", "Default", 2, {-400, 100}, Runner) + "," +
    Record("Cover", "Default", 3, {-300, -1000}, Wall) + "," + Record("Drone", "BeamDrone", 4, {0, 3000}) + "," +
    Record("DroneWall", "Default", 5, {320, 3000}, Wall) + "," + Record("Victim", "Default", 6, {-150, 3000}, Runner) +
    "]";
}  // namespace

class SimpleTurretControllerTest : public AIScene
{
};

TEST_F(SimpleTurretControllerTest, TurretsAimAndFireWhileTheySeeAndBeamDronesSweepTheirCircle)
{
  ResetRandom();
  CapturedLog output;
  Space* space = Load("stationary", StationaryLevel);
  const Handle<GameObject> turret = Find(space, "Turret");
  const Handle<GameObject> target = Find(space, "Target");
  const Handle<GameObject> drone = Find(space, "Drone");
  const Handle<GameObject> victim = Find(space, "Victim");
  ASSERT_TRUE(turret && target && drone && victim) << output.Text();
  const Handle<GameObject> gun = turret->GetComponent<Equipment>()->GetSlot(0);
  ASSERT_TRUE(gun.IsValid()) << "armed from its prefab";
  EnemyOutput turretLog(turret->GetId());
  SimpleBeamDrone* beamDrone = drone->GetComponent<SimpleBeamDrone>();
  const Handle<GameObject> beam = beamDrone->GetBeam();
  ASSERT_TRUE(beam.IsValid());
  Sprite* beamSprite = beam->GetSprite();
  RectangleCollider* beamCollider = beam->GetComponent<RectangleCollider>();
  EXPECT_FALSE(beamSprite->GetDraw()) << "hidden until its first update";

  // One whole cycle of the drone at 120 updates a second, while the turret aims.
  std::vector<int> phases{beamDrone->GetPhase()};
  std::vector<int> updatesInPhase{0};
  float lengthAfterExtending = 0.0f;
  float rangeAfterExtending = 0.0f;
  const float victimHealth = victim->GetComponent<Health>()->GetHitpoints();
  std::size_t usesHidden = 0;
  for (int update = 0; update < 1900; ++update)
  {
    RunFrames(1);
    if (update == 119)
    {
      // Aiming left: the gun points at the target with its picture upright (mirrored in y).
      const glm::vec2 toTarget = glm::normalize(PositionOf(target) - PositionOf(turret));
      const float orientation = turret->GetComponent<Agent>()->GetKinematic()->orientation;
      EXPECT_GT(glm::dot(glm::vec2(std::cos(orientation), std::sin(orientation)), toTarget), 0.99f);
      EXPECT_GT(glm::dot(glm::normalize(gun->GetTransform()->GetWorldXAxis()), toTarget), 0.99f)
          << "the gun points there";
      EXPECT_LT(gun->GetTransform()->GetScale().y, 0.0f) << "mirrored while it faces left";
      EXPECT_EQ(turret->GetTransform()->GetRotation(), 0.0f) << "the base stays upright";
      EXPECT_EQ(turretLog.uses.Count(), 120u) << "one use on every update it sees the target";
      // Behind the wall it turns but holds its fire.
      target->GetTransform()->SetWorldPosition(-600.0f, -1000.0f);
    }
    if (update == 180)
      usesHidden = turretLog.uses.Count();
    if (beamDrone->GetPhase() != phases.back())
    {
      if (phases.back() == 1)
      {
        lengthAfterExtending = beamDrone->GetBeamLength();
        rangeAfterExtending = beamDrone->GetRange();
      }
      if (phases.back() == 2)
      {
        EXPECT_EQ(drone->GetTransform()->GetRotation(), 0.0f) << "the sweep ends at rotation 0";
        EXPECT_EQ(beam->GetTransform()->GetRotation(), 0.0f);
      }
      phases.push_back(beamDrone->GetPhase());
      updatesInPhase.push_back(0);
    }
    ++updatesInPhase.back();
    const bool shown = beamDrone->GetPhase() >= 1 && beamDrone->GetPhase() <= 3;
    ASSERT_EQ(beamSprite->GetDraw(), shown) << "update " << update;
    ASSERT_EQ(beamCollider->IsActive(), shown) << "update " << update;
  }
  EXPECT_EQ(turretLog.uses.Count(), usesHidden) << "no shot at a hidden target";
  EXPECT_TRUE(turretLog.AllRearmed());
  EXPECT_GT(SimpleTurretController::WeaponMatrix(1.5707964f)[1][0], 0.5f) << "straight up counts as facing left";

  EXPECT_EQ(phases, (std::vector<int>{0, 1, 2, 3, 4, 0, 1}));
  EXPECT_NEAR(updatesInPhase[1], 121, 1) << "a second to extend";
  EXPECT_NEAR(updatesInPhase[2], 1441, 2) << "twelve seconds to sweep";
  EXPECT_NEAR(updatesInPhase[3], 121, 1);
  EXPECT_NEAR(updatesInPhase[4], 121, 1);
  EXPECT_NEAR(rangeAfterExtending, 300.0f, 1.0f) << "to the wall's near face";
  EXPECT_NEAR(lengthAfterExtending, 300.0f, 300.0f / 120.0f + 1.0f) << "it may overshoot by one update";
  EXPECT_LT(victim->GetComponent<Health>()->GetHitpoints(), victimHealth) << "the sweep burnt the victim";

  // Deaths: the turret's gun is put down before it goes; the drone takes its beam along.
  const std::size_t equipRequestsBefore = turretLog.equipRequests.Count();
  SendNow<DiedEvent>(BRINDLE_SITE, turret->GetId());
  SendNow<DiedEvent>(BRINDLE_SITE, drone->GetId());
  EXPECT_FALSE(beamCollider->IsActive()) << "the beam stops touching at once";
  RunFrames(1);
  EXPECT_EQ(turretLog.equipRequests.Count(), equipRequestsBefore + 1);
  EXPECT_FALSE(turret.IsValid());
  EXPECT_TRUE(gun.IsValid()) << "the gun lies where the turret stood";
  EXPECT_FALSE(drone.IsValid());
  EXPECT_FALSE(beam.IsValid());
  EXPECT_FALSE(output.Contains("[ERROR]")) << output.Text();
  EXPECT_FALSE(output.Contains("[WARNING]")) << output.Text();
}
