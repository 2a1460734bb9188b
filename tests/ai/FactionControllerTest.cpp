// Three faction bases of an overworld, on the game's frame: each files its position, points its
// arrow from the player's ship toward itself 1000 units out, launches its ships from a little over
// two seconds on toward the other bases (never to itself), marked as its own, and counts the attacks
// on them as anger 1, 3, 5, 6 with a hard ship from the second on. A base alone says it has nowhere
// to send ships and sends none.
#include "support/AIScene.h"

#include "ai/ships/EnemyShipController.h"
#include "ai/ships/FactionController.h"
#include "ai/ships/FactionProperty.h"
#include "ai/ships/HardEnemyShipController.h"
#include "core/Send.h"
#include "gameplay/LevelEvents.h"
#include "platform/Random.h"
#include "render/Sprite.h"
#include "support/CapturedLog.h"

#include <algorithm>
#include <cmath>
#include <set>

namespace
{
std::string Base(const std::string& name, int uuid, glm::vec2 at)
{
  return Record(name, "Default", uuid, at,
                R"(, "Sprite": {"source": "OW_base_faction_1", "color": [1, 0.5, 0, 1]}, "FactionController": null)");
}

const std::string PlayerShip =
    Record("Corva", "Default", 9, {0, 0}, R"(, "Registerer": {"registryType": "OW_CORVA"})");
}  // namespace

class FactionControllerTest : public AIScene
{
protected:
  // The live ships of one prefab.
  std::vector<Handle<GameObject>> Ships(Space* space, const std::string& prefab)
  {
    std::vector<Handle<GameObject>> found;
    for (const auto& [id, object] : space->GetObjectsById())
      if (object.IsValid() && object->GetPrefabName() == prefab)
        found.push_back(object);
    return found;
  }
};

TEST_F(FactionControllerTest, BasesPointTheirArrowsLaunchShipsToOtherBasesAndGrowAngryWhenAttacked)
{
  ResetRandom();
  CapturedLog log;
  Space* space = Load("overworld test", "[" + Base("East", 1, {1000, 0}) + "," + Base("South", 2, {0, -500}) + "," +
                                            Base("Far", 3, {-4000, 3000}) + "," + PlayerShip + "]");
  const Handle<GameObject> east = Find(space, "East");
  const Handle<GameObject> south = Find(space, "South");
  ASSERT_TRUE(east && south) << log.Text();
  const std::vector<NamedPosition>& entries = registry->GetDataBoard().GetEntries();
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0].name, "East");
  EXPECT_EQ(entries[1].position, glm::vec2(0, -500));

  RunFrames(1);
  FactionController* eastFaction = east->GetComponent<FactionController>();
  const Handle<GameObject> eastArrow = eastFaction->GetWaypoint();
  const Handle<GameObject> southArrow = south->GetComponent<FactionController>()->GetWaypoint();
  ASSERT_TRUE(eastArrow && southArrow);
  EXPECT_EQ(PositionOf(eastArrow), glm::vec2(1000, 0));
  EXPECT_FLOAT_EQ(eastArrow->GetTransform()->GetRotation(), 0.0f);
  EXPECT_NEAR(PositionOf(southArrow).y, -1000.0f, 1e-3f);
  EXPECT_NEAR(PositionOf(southArrow).x, 0.0f, 1e-3f);
  EXPECT_FLOAT_EQ(southArrow->GetTransform()->GetRotation(), -1.5707964f);
  EXPECT_EQ(eastArrow->GetSprite()->GetColor(), fColor(1, 0.5f, 0, 1)) << "in its base's colour";

  // Nothing before two seconds; then each base sends a ship every 6 to 11 seconds (or none when it
  // draws itself), each from the base toward another one.
  RunFrames(238);
  EXPECT_TRUE(Ships(space, "OW_FactionOne_EasyShip").empty() && Ships(space, "OW_FactionOne_MedShip").empty());
  std::vector<Handle<GameObject>> launched;
  std::set<std::uint32_t> seen;
  const auto watchLaunches = [&](int frames) {
    for (int frame = 0; frame < frames; ++frame)
    {
      RunFrames(1);
      for (const char* prefab : {"OW_FactionOne_EasyShip", "OW_FactionOne_MedShip"})
        for (const Handle<GameObject>& ship : Ships(space, prefab))
        {
          if (!seen.insert(ship->GetId()).second)
            continue;
          launched.push_back(ship);
          const FactionController* owner = ship->GetComponent<FactionProperty>()->GetController();
          ASSERT_NE(owner, nullptr);
          EXPECT_EQ(ship->GetName(), ship->GetPrefabName());
          EXPECT_LT(glm::length(PositionOf(ship) - PositionOf(owner->GetOwner())), 10.0f) << "launched from its base";
          const glm::vec2 destination = ship->GetComponent<EnemyShipController>()->GetDestination();
          EXPECT_NE(destination, PositionOf(owner->GetOwner())) << "never to itself";
          EXPECT_TRUE(destination == glm::vec2(1000, 0) || destination == glm::vec2(0, -500) ||
                      destination == glm::vec2(-4000, 3000));
          EXPECT_GE(owner->GetSpawnTimer(), 6.0f - 2 * FrameStep);
          EXPECT_LE(owner->GetSpawnTimer(), 11.0f);
        }
    }
  };
  watchLaunches(120 * 30);
  ASSERT_GE(launched.size(), 3u) << log.Text();

  // Attacks on one of a faction's ships: the anger runs 1, 3, 5, 6 and each from the second sends
  // out a hard ship with no destination.
  const std::size_t before = launched.size();
  while (launched.size() == before)
    watchLaunches(1);
  const Handle<GameObject> attacked = launched.back();
  ASSERT_TRUE(attacked.IsValid());
  FactionController* faction = attacked->GetComponent<FactionProperty>()->GetController();
  const std::uint32_t expected[] = {1, 3, 5, 6};
  for (std::size_t attack = 0; attack < 4; ++attack)
  {
    if (attack == 0)
    {
      // The first is a flown ship ramming it: the rammed ship is the one attacked, not the rammer.
      Define("Rammer", R"({"Transform": null, "Agent": null, "Rigidbody": {"invMass": 1}, "ShipController": null,
                           "CircleCollider": {"group": "SHIP", "radius": 40}})");
      Handle<GameObject> rammer = Make("Rammer", PositionOf(attacked) + glm::vec2(0.0f, 100.0f), "Rammer", space);
      RunFrames(1);
      rammer->GetTransform()->SetWorldPosition(-20000.0f, -20000.0f);  // and away
    }
    else
    {
      SendNow<ShipAttackedEvent>(BRINDLE_SITE, attacked->GetId(), std::string(), glm::vec2(0, 0), nullptr);
    }
    RunFrames(1);
    EXPECT_EQ(faction->GetAttackCount(), expected[attack]);
    EXPECT_EQ(Ships(space, "OW_FactionOne_HardShip").size(), attack);
  }
  for (const Handle<GameObject>& hard : Ships(space, "OW_FactionOne_HardShip"))
  {
    EXPECT_EQ(hard->GetComponent<FactionProperty>()->GetController(), faction);
    EXPECT_NE(hard->GetComponent<HardEnemyShipController>(), nullptr);
  }
  EXPECT_EQ(log.Errors(), 0u) << log.Text();
}

TEST_F(FactionControllerTest, ABaseWithNoOtherBaseSaysSoAndSendsNothing)
{
  CapturedLog log;
  Space* space = Load("lonely", "[" + Base("Alone", 1, {500, 0}) + "]");
  RunFrames(120 * 30);
  EXPECT_TRUE(Ships(space, "OW_FactionOne_EasyShip").empty() && Ships(space, "OW_FactionOne_MedShip").empty());
  EXPECT_EQ(log.CountOf("[WARNING] FactionController of \"Alone\": there is no other base to send its ships to."), 1u)
      << log.Text();
}
