// The drone carrier from its prefab, on the game's frame: it sees a target 700 units away, chases
// it, and once within the split distance releases five drones around itself and dies through its
// death animation, sending nothing more; the drones go for the target and strike it.
#include "support/AIScene.h"

#include "ai/enemies/DroneCarrierController.h"
#include "ai/enemies/DroneSpawnController.h"
#include "gameplay/combat/Health.h"
#include "platform/Random.h"
#include "support/CapturedLog.h"

#include <algorithm>

namespace
{
std::string Target(glm::vec2 at, int uuid)
{
  return Record("Target", "Default", uuid, at,
                R"(, "Rigidbody": {"invMass": 0, "invMomentInertia": 0}, "CircleCollider": {"radius": 30, "group": "PLAYER"},
                   "Agent": {}, "Team": {"Team": 0}, "Health": {"hitpoints": 1000, "max hitpoints": 1000, "regens": false},
                   "Registerer": {"registryType": "PLAYERS"})");
}

std::vector<Handle<GameObject>> Named(Space* space, const std::string& name)
{
  std::vector<Handle<GameObject>> found;
  for (const auto& [id, object] : space->GetObjectsById())
    if (object.IsValid() && object->GetName() == name)
      found.push_back(object);
  return found;
}
}  // namespace

class DroneCarrierControllerTest : public AIScene
{
};

TEST_F(DroneCarrierControllerTest, TheCarrierChasesSplitsIntoDronesWithinReachAndDiesSilently)
{
  ResetRandom();
  CapturedLog output;
  Space* space = Load("carrier", "[" + Record("Carrier", "DroneCarrier", 1, {0, 0}) + "," + Target({700, 0}, 2) + "]");
  const Handle<GameObject> carrier = Find(space, "Carrier");
  const Handle<GameObject> target = Find(space, "Target");
  ASSERT_TRUE(carrier && target) << output.Text();
  const DroneCarrierController* brain = carrier->GetComponent<DroneCarrierController>();
  EXPECT_EQ(brain->GetMachine().GetName(), "DroneCarrier");
  EnemyOutput log(carrier->GetId());

  RunFrames(1);
  ASSERT_EQ(log.steerings.Count(), 1u);
  EXPECT_EQ(log.steerings.notes[0].linear, glm::vec2(0, 0)) << "the first update only enters Wandering";
  EXPECT_EQ(brain->GetMachine().GetCurrentState()->GetName(), "Wandering");
  RunFrames(1);
  EXPECT_EQ(brain->GetMachine().GetCurrentState()->GetName(), "Chasing") << "the target is in plain sight";
  EXPECT_EQ(log.steerings.notes[1].linear, log.steerings.notes[0].linear) << "the update of the switch resends";

  for (int frame = 2; frame < 1200 && brain->GetMachine().GetCurrentState()->GetName() != "Splitting"; ++frame)
    RunFrames(1);
  // The drones were made in this frame's update, where the carrier stands now.
  const glm::vec2 splitAt = PositionOf(carrier);
  const std::vector<glm::vec2> released = [&] {
    std::vector<glm::vec2> at;
    for (const Handle<GameObject>& drone : Named(space, "Spawn"))
      at.push_back(PositionOf(drone));
    return at;
  }();
  EXPECT_FALSE(brain->IsDead()) << "its death is announced in the next update";
  RunFrames(1);
  ASSERT_TRUE(brain->IsDead()) << "it never split";
  EXPECT_EQ(brain->GetMachine().GetCurrentState()->GetName(), "Splitting");
  EXPECT_LT(glm::length(PositionOf(target) - splitAt), 256.0f + 20.0f) << "it split within reach";
  const std::vector<Handle<GameObject>> drones = Named(space, "Spawn");
  ASSERT_EQ(drones.size(), 5u);
  ASSERT_EQ(released.size(), 5u);
  for (const glm::vec2& at : released)
  {
    const glm::vec2 offset = at - splitAt;
    EXPECT_LE(std::max(std::abs(offset.x), std::abs(offset.y)), 64.0f) << "released around the carrier";
  }
  EXPECT_EQ(carrier->GetComponent<Health>()->GetHitpoints(), Health::DeadHitpoints);

  const std::size_t steeringsAtDeath = log.steerings.Count();
  RunFrames(420);
  EXPECT_EQ(log.steerings.Count(), steeringsAtDeath) << "nothing after its death";
  EXPECT_FALSE(carrier.IsValid()) << "removed when its death animation ended";
  EXPECT_LT(target->GetComponent<Health>()->GetHitpoints(), 1000.0f) << "the drones went for the target";
  for (const Handle<GameObject>& drone : drones)
  {
    ASSERT_TRUE(drone.IsValid()) << "the drones outlive the carrier";
    EXPECT_EQ(drone->GetComponent<Health>()->GetHitpoints(), 10.0f) << "drones never hurt each other";
  }
  EXPECT_FALSE(output.Contains("[ERROR]")) << output.Text();
  EXPECT_FALSE(output.Contains("[WARNING]")) << output.Text();
}

TEST_F(DroneCarrierControllerTest, ACarrierWithAnUnknownDroneOrNoneStillBurstsOnceAndSaysSo)
{
  CapturedLog log;
  Space* space = Load("bad carrier",
                      "[" + Record("Empty", "DroneCarrier", 1, {0, 0}, R"(, "DroneCarrierController": {"spawnCount_": 0})") +
                          "," +
                          Record("Unknown", "DroneCarrier", 2, {0, 3000},
                                 R"(, "DroneCarrierController": {"spawnPrefab_": "NoSuchDrone"})") +
                          "," + Target({150, 0}, 3) + "," + Target({150, 3000}, 4) + "]");
  RunFrames(10);
  for (const char* name : {"Empty", "Unknown"})
  {
    const Handle<GameObject> carrier = Find(space, name);
    ASSERT_TRUE(carrier.IsValid()) << name;
    EXPECT_TRUE(carrier->GetComponent<DroneCarrierController>()->IsDead()) << name;
  }
  EXPECT_TRUE(Named(space, "Spawn").empty());
  EXPECT_EQ(log.CountOf("[ERROR] There is no prefab \"NoSuchDrone\""), 1u) << log.Text();
}
