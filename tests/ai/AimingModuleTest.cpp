// The aiming module in a loaded level: who its targets and allies are by team, the nearest target
// with ties kept in list order, and sight that only the first thing on the ray decides.
#include "support/AIScene.h"

#include "ai/navigation/AimingModule.h"
#include "gameplay/combat/CombatEvents.h"
#include "support/ShipScene.h"

namespace
{
std::string Object(const std::string& name, int uuid, glm::vec2 at, const std::string& components)
{
  return R"({"name": ")" + name + R"(", "prefab": "Default", "uuid": )" + std::to_string(uuid) +
         R"(, "children": [], "components": {"Transform": {"position": [)" + std::to_string(at.x) + ", " +
         std::to_string(at.y) + "]}, " + components + "}}";
}

std::string Member(const std::string& list, const std::string& group, bool agent)
{
  return R"("Registerer": {"registryType": ")" + list + R"("}, "CircleCollider": {"radius": 16, "group": ")" + group +
         R"("}, "AimingModule": {})" + (agent ? R"(, "Rigidbody": {}, "Agent": {})" : "");
}

std::vector<std::string> Names(const std::vector<Handle<GameObject>>& objects)
{
  std::vector<std::string> names;
  for (const Handle<GameObject>& object : objects)
    names.push_back(object->GetName());
  return names;
}
}  // namespace

class AimingModuleTest : public AIScene
{
};

TEST_F(AimingModuleTest, TargetsBySideNearestFirstListedAndSeenOnlyInTheOpen)
{
  CapturedLog output;
  Space* space = Load(
      "sight", "[" + Object("Watcher", 1, {0, 0}, Member("ENEMIES", "ENEMY", true)) + "," +
                   Object("Near", 2, {300, 0}, Member("PLAYERS", "PLAYER", true)) + "," +
                   Object("Tied", 3, {0, 300}, Member("PLAYERS", "PLAYER", false)) + "," +
                   Object("Behind", 4, {-500, 0}, Member("PLAYERS", "PLAYER", true)) + "," +
                   Object("Far", 5, {0, -1100}, Member("PLAYERS", "PLAYER", true)) + "," +
                   Object("Ship", 6, {2000, 0}, Member("OW_CORVA", "PLAYER", false)) + "," +
                   Object("Wall", 7, {-250, 0}, R"("RectangleCollider": {"scale": [40, 400], "group": "WALL"})") + "]");
  const Handle<GameObject> watcher = Find(space, "Watcher");
  Handle<GameObject> near = Find(space, "Near");
  ASSERT_TRUE(watcher.IsValid() && near.IsValid()) << output.Text();
  AimingModule* aiming = watcher->GetComponent<AimingModule>();

  // With no team yet it fights the players' side.
  EXPECT_EQ(aiming->GetTeam(), 2u);
  using List = std::vector<std::string>;
  EXPECT_EQ(Names(aiming->GetTargets()), (List{"Near", "Tied", "Behind", "Far", "Ship"}));
  EXPECT_EQ(Names(aiming->GetAllies()), List{"Watcher"});
  EXPECT_EQ(aiming->GetTargetKinematics().size(), 3u) << "only those with an Agent";
  EXPECT_EQ(aiming->FindTarget(), near) << "Tied is as near but listed later";

  auto sees = [&](const std::string& name) {
    Handle<GameObject> target = Find(space, name);
    return aiming->CanSee(&target);
  };
  EXPECT_TRUE(sees("Near"));
  EXPECT_TRUE(sees("Tied"));
  EXPECT_FALSE(sees("Behind")) << "the wall meets the ray first";
  EXPECT_FALSE(sees("Far")) << "beyond the ray's reach";
  Handle<GameObject> nothing;
  EXPECT_FALSE(aiming->CanSee(&nothing));
  EXPECT_FALSE(aiming->CanSee(nullptr));

  // A player's module, told its team through its object, looks the other way with the players' sight.
  AimingModule* playerAiming = near->GetComponent<AimingModule>();
  events->QueueEvent(MemoryManager::New<TeamChangeEvent>(BRINDLE_SITE, near->GetId(), 0u));
  RunFrames(1);
  EXPECT_EQ(playerAiming->GetTeam(), 0u);
  EXPECT_EQ(Names(playerAiming->GetTargets()), List{"Watcher"});
  EXPECT_EQ(Names(playerAiming->GetAllies()), (List{"Near", "Tied", "Behind", "Far", "Ship"}));
  Handle<GameObject> seenWatcher = watcher;
  EXPECT_TRUE(playerAiming->CanSee(&seenWatcher));

  // A target that is gone is neither listed nor seen, and the next nearest is chosen.
  Handle<GameObject> gone = near;
  space->DeleteObject(near);
  EXPECT_FALSE(aiming->CanSee(&gone));
  EXPECT_EQ(aiming->FindTarget(), Find(space, "Tied"));
  EXPECT_EQ(Names(aiming->GetTargets()), (List{"Tied", "Behind", "Far", "Ship"}));
  EXPECT_FALSE(output.Contains("[ERROR]")) << output.Text();
}

TEST_F(AimingModuleTest, RoutesComeFromTheShipItStandsIn)
{
  CapturedLog output;
  ShipLevel::Write("smallship", "ship\n3\n3\n100 100 100 \n100 100 100 \n100 100 100 \n", {0.0f, 0.0f});
  writtenFiles.push_back(Space::LevelPath("smallship"));
  writtenFiles.push_back("Assets/Ship/smallship.txt");
  Space* space = LiveSpace("smallship", "smallship");
  auto place = [&](const std::string& name, glm::vec2 at) {
    Handle<GameObject> object;
    session->GetFactory().CreateGameObjectAt(object, "Default", space, at.x, at.y, name);
    object->AddComponent("AimingModule")->OnAwake();
    return object;
  };
  const Handle<GameObject> inside = place("Inside", {192.0f, 192.0f});
  const Handle<GameObject> outside = place("Outside", {1000.0f, 1000.0f});
  const Handle<GameObject> ship = Find(space, "Ship");
  ASSERT_TRUE(ship.IsValid()) << output.Text();

  EXPECT_EQ(inside->GetComponent<AimingModule>()->FindShip(), ship);
  const glm::vec2 from(64.0f, 64.0f);
  const glm::vec2 to(320.0f, 320.0f);
  EXPECT_EQ(inside->GetComponent<AimingModule>()->FindPath(from, to), (std::vector<glm::vec2>{from, to}));
  EXPECT_FALSE(outside->GetComponent<AimingModule>()->FindShip().IsValid());
  EXPECT_TRUE(outside->GetComponent<AimingModule>()->FindPath(from, to).empty());
  EXPECT_FALSE(output.Contains("[ERROR]")) << output.Text();
}
