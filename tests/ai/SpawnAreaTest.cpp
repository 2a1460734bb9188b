// Spawn areas filling an encounter on the game's frame: told to spawn with no faction and no
// difficulty, two areas each make one to three ducks within their square (and sometimes a carrier
// at their centre); against a faction whose anger is 5 they make bears only. An area asking for
// thousands makes a bounded number and says so; standing in a ship smaller than its square, it puts
// every one of them on the deck, clear of the walls.
#include "support/AIScene.h"

#include "ai/ships/FactionController.h"
#include "ai/spawning/SpawnArea.h"
#include "core/Send.h"
#include "gameplay/LevelEvents.h"
#include "platform/Random.h"
#include "support/CapturedLog.h"
#include "support/ShipScene.h"

#include <cmath>
#include <map>

class SpawnAreaTest : public AIScene
{
protected:
  // The enemies made since `known`, by prefab (their guns left out).
  std::map<std::string, std::vector<glm::vec2>> MadeSince(Space* space, std::size_t known)
  {
    std::map<std::string, std::vector<glm::vec2>> made;
    for (const auto& [id, object] : space->GetObjectsById())
      if (object.IsValid() && id > known &&
          (object->GetPrefabName().rfind("AI_", 0) == 0 || object->GetPrefabName() == "DroneCarrier"))
        made[object->GetPrefabName()].push_back(PositionOf(object));
    return made;
  }
};

TEST_F(SpawnAreaTest, AreasFillTheEncounterByTheFactionsAngerWithinTheirSquares)
{
  ResetRandom();
  CapturedLog log;
  const std::string area = R"(, "SpawnArea": {"radius": 400, "maxSpawn": 3, "difficultyModifer": 0})";
  Space* space = Load("encounter", "[" + Record("West", "Default", 1, {-3000, 0}, area) + "," +
                                       Record("East", "Default", 2, {3000, 0}, area) + "," +
                                       Record("Base", "Default", 3, {0, 9000}, R"(, "FactionController": null)") + "]");
  const Handle<GameObject> base = Find(space, "Base");
  ASSERT_TRUE(base.IsValid()) << log.Text();
  std::uint32_t known = 0;
  std::map<std::string, std::vector<glm::vec2>> made;
  // Several calls, so that the dice reach the top of the range.
  for (int call = 0; call < 8; ++call)
  {
    for (const auto& [id, object] : space->GetObjectsById())
      known = std::max(known, id);
    SendNow<SpawnEnemies>(BRINDLE_SITE, space->GetId(), nullptr);
    made = MadeSince(space, known);
    std::map<float, std::size_t> ducks;  // by the area's x
    for (const auto& [prefab, places] : made)
    {
      EXPECT_TRUE(prefab == "AI_duck" || prefab == "AI_duck2" || prefab == "DroneCarrier") << prefab;
      for (const glm::vec2& at : places)
      {
        const glm::vec2 centre(at.x < 0 ? -3000.0f : 3000.0f, 0.0f);
        if (prefab == "DroneCarrier")
        {
          EXPECT_EQ(at, centre) << "a carrier stands on its area";
        }
        EXPECT_LE(std::abs(at.x - centre.x), 200.0f);
        EXPECT_LE(std::abs(at.y - centre.y), 200.0f) << "within the square";
        ducks[centre.x] += prefab == "DroneCarrier" ? 0 : 1;
      }
    }
    for (float x : {-3000.0f, 3000.0f})
    {
      EXPECT_GE(ducks[x], 1u);
      EXPECT_LE(ducks[x], 3u) << "never more than maxSpawn";
    }
    EXPECT_LE(made["DroneCarrier"].size(), 2u);
  }

  // Against an angry faction, the level is its anger: bears.
  for (const auto& [id, object] : space->GetObjectsById())
    known = std::max(known, id);
  base->GetComponent<FactionController>()->SetAttackCount(5);
  SendNow<SpawnEnemies>(BRINDLE_SITE, space->GetId(), base->GetComponent<FactionController>());
  made = MadeSince(space, known);
  EXPECT_FALSE(made.empty());
  for (const auto& [prefab, places] : made)
    EXPECT_TRUE(prefab == "AI_bear" || prefab == "AI_bear2" || prefab == "DroneCarrier") << prefab;
  EXPECT_STREQ(SpawnArea::PrefabOfLevel(2, 0), "AI_bug");
  EXPECT_STREQ(SpawnArea::PrefabOfLevel(3, 1), "AI_bug2");
  EXPECT_EQ(log.Errors(), 0u) << log.Text();
}

TEST_F(SpawnAreaTest, AnAreaAskingForThousandsMakesABoundedNumberAllOnTheDeckAndSaysSo)
{
  CapturedLog log;
  // Six tiles by three of deck, from (-384, -192) to (384, 192), split at x = 0 by a wall that
  // leaves the top row open.
  ShipLevel::Write("crowd", "ship\n8\n5\n"
                            "000 00I 00I 00I 00I 00I 00I 000 \n"
                            "0W0 100 100 100 100 100 1W0 000 \n"
                            "0W0 100 100 1W0 100 100 1W0 000 \n"
                            "0W0 10I 10I 1WI 10I 10I 1WI 000 \n"
                            "000 000 000 000 000 000 000 000 \n",
                   {-512.0f, -320.0f},
                   {LevelRecord::Object("Crowd", "Default", {0, 0}, R"({"SpawnArea": {"radius": 2000, "maxSpawn": 4000000000}})")});
  writtenFiles.push_back(Space::LevelPath("crowd"));
  writtenFiles.push_back("Assets/Ship/crowd.txt");
  Space* space = LiveSpace("crowd", "crowd");
  const std::size_t before = space->GetObjectsById().size();
  SendNow<SpawnEnemies>(BRINDLE_SITE, space->GetId(), nullptr);
  const std::size_t made = space->GetObjectsById().size() - before;
  EXPECT_GE(made, SpawnArea::MostAtOnce);
  EXPECT_LE(made, 3 * SpawnArea::MostAtOnce) << "enemies with their guns, and perhaps a carrier";
  EXPECT_EQ(log.CountOf("[WARNING] SpawnArea \"Crowd\": maxSpawn 4000000000 asks for"), 1u) << log.Text();
  constexpr float Clear = ShipMap::StandingClearance;
  for (const auto& [prefab, places] : MadeSince(space, 0))
    for (const glm::vec2& at : places)
    {
      EXPECT_TRUE(at.x >= -384.0f + Clear && at.x <= 384.0f - Clear && at.y >= -192.0f + Clear &&
                  at.y <= 192.0f - Clear)
          << prefab << " at " << at.x << ", " << at.y << " is off the deck or against the hull";
      EXPECT_FALSE(at.y < 64.0f && std::abs(at.x) < Clear) << prefab << " at " << at.x << ", " << at.y << " is in the wall";
    }
}
