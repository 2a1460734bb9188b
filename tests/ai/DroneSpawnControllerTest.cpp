// Drones on the game's frame, pressed against an immovable opponent beside a drone of their own
// side: each strikes the opponent for half a point at most once a second (its cooldown must fall
// below zero again), leaving an impact halfway between the two, and never the other drone. A
// cooldown that a frame time of no number spoilt is reported and starts again.
#include "support/AIScene.h"

#include "ai/enemies/DroneSpawnController.h"
#include "core/Send.h"
#include "gameplay/combat/Health.h"
#include "object/FrameEvents.h"
#include "support/CapturedLog.h"

#include <cmath>

class DroneSpawnControllerTest : public AIScene
{
};

TEST_F(DroneSpawnControllerTest, DronesRamTheirOpponentOnceACooldownAndSpareTheirOwnSide)
{
  CapturedLog log;
  const std::string unarmed = R"(, "Equipment": {"startingPrimary": ""})";
  Space* space = Load(
      "ram", "[" + Record("Wall", "Default", 1, {0, 0},
                          R"(, "Rigidbody": {"invMass": 0, "invMomentInertia": 0}, "CircleCollider": {"radius": 40, "group": "PLAYER"},
                             "Agent": {}, "Team": {"Team": 0}, "Health": {"hitpoints": 100, "max hitpoints": 100, "regens": false},
                             "Registerer": {"registryType": "PLAYERS"})") +
                 "," + Record("Drone", "DroneSpawn", 2, {-60, 0}, unarmed) + "," +
                 Record("Buddy", "DroneSpawn", 3, {-60, 44}, unarmed) + "]");
  const Handle<GameObject> wall = Find(space, "Wall");
  const Handle<GameObject> drone = Find(space, "Drone");
  const Handle<GameObject> buddy = Find(space, "Buddy");
  ASSERT_TRUE(wall && drone && buddy) << log.Text();
  Health* wallHealth = wall->GetComponent<Health>();

  // 2.5 seconds of contact: strikes at about 0, 1 and 2 seconds from each drone that touches.
  bool impactSeen = false;
  for (int frame = 0; frame < 300; ++frame)
  {
    const float before = wallHealth->GetHitpoints();
    RunFrames(1);
    if (wallHealth->GetHitpoints() < before && !impactSeen)
    {
      const auto impact = space->FindObjectByName("DroneImpact");
      ASSERT_NE(impact, space->ObjectsEnd()) << "an impact where it struck";
      const glm::vec2 at = PositionOf(impact->second);
      EXPECT_LT(glm::length(at - PositionOf(wall)), 60.0f);
      EXPECT_GT(at.x, PositionOf(drone).x - 40.0f);
      impactSeen = true;
    }
  }
  const float taken = 100.0f - wallHealth->GetHitpoints();
  EXPECT_EQ(std::fmod(taken, 0.5f), 0.0f) << "half a point a strike";
  EXPECT_GE(taken, 1.5f) << "three strikes or more from the two";
  EXPECT_LE(taken, 3.0f) << "at most three strikes each in 2.5 seconds";
  EXPECT_EQ(drone->GetComponent<Health>()->GetHitpoints(), 10.0f);
  EXPECT_EQ(buddy->GetComponent<Health>()->GetHitpoints(), 10.0f) << "drones of one side never strike each other";

  // A frame time that is no number leaves the cooldown none: reported once, and it starts again.
  SendNow<UpdateEvent>(BRINDLE_SITE, space->GetId(), std::nanf(""));
  RunFrames(2);
  EXPECT_EQ(log.CountOf("damageCooldown_ is not a finite number; it starts again at 0."), 1u) << "once for its kind";
  EXPECT_TRUE(std::isfinite(drone->GetComponent<DroneSpawnController>()->GetDamageCooldown()));
}
