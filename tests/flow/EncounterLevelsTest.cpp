// The encounter ships as the level flow runs them: each is started by the transition manager, fills
// its rooms with enemies, holds its air and keeps everyone inside its walls while the fight goes on
// by itself, pays the player for loot picked up and enemies killed, and lets the player out through
// the airlock's hatch.
#include "FlowScene.h"

#include "gameplay/LevelEvents.h"
#include "gameplay/combat/Health.h"
#include "gameplay/player/PlayerEvents.h"
#include "gameplay/score/ReputationValue.h"
#include "gameplay/score/ScoreBoard.h"
#include "gameplay/ship/PressureTracker.h"
#include "gameplay/ship/ShipMap.h"
#include "support/CapturedLog.h"

#include <deque>
#include <filesystem>
#include <fstream>
#include <set>
#include <utility>

namespace
{
using TileSet = std::set<std::pair<int, int>>;

// The tiles reached from `start` across edges that `crossable` lets through.
template <typename Crossable>
TileSet Flood(const ShipMap& map, glm::ivec2 start, Crossable crossable)
{
  const std::pair<std::uint8_t, glm::ivec2> steps[] = {
      {ShipWall::Top, {0, 1}}, {ShipWall::Right, {1, 0}}, {ShipWall::Bottom, {0, -1}}, {ShipWall::Left, {-1, 0}}};
  TileSet reached{{start.x, start.y}};
  std::deque<glm::ivec2> open{start};
  while (!open.empty())
  {
    const glm::ivec2 tile = open.front();
    open.pop_front();
    for (const auto& [bit, step] : steps)
    {
      const glm::ivec2 next = tile + step;
      if (map.InBounds(next.x, next.y) && map.GetTile(next.x, next.y).floor != ShipTile::None &&
          crossable(map, bit, tile) && reached.insert({next.x, next.y}).second)
        open.push_back(next);
    }
  }
  return reached;
}

// A room: the floor that no wall of any kind (door, force field) divides.
TileSet RoomOf(const ShipMap& map, glm::ivec2 tile)
{
  return Flood(map, tile, [](const ShipMap& ship, std::uint8_t bit, glm::ivec2 at) { return ship.HasNoWall(bit, at.x, at.y); });
}

glm::ivec2 TileOf(const ShipMap& map, GameObject& object)
{
  const glm::vec2 at = object.GetTransform()->GetWorldPosition();
  return map.WorldToTile(at.x, at.y);
}

bool IsEnemy(const GameObject& object)
{
  return object.GetPrefabName().rfind("AI_", 0) == 0 || object.GetPrefabName() == "DroneCarrier";
}
}  // namespace

class EncounterLevelsTest : public FlowScene
{
protected:
  // Leaving an encounter resumes the overworld; until the game has one, an empty stand-in serves.
  void SetUp() override
  {
    if (!std::filesystem::exists(Space::LevelPath("overworld")))
    {
      std::ofstream(Space::LevelPath("overworld")) << R"({"level": {"objects": []}})";
      standIn = true;
    }
  }
  void TearDown() override
  {
    FlowScene::TearDown();
    if (standIn)
      std::filesystem::remove(Space::LevelPath("overworld"));
  }

  bool standIn = false;
};

TEST_F(EncounterLevelsTest, EachShipFillsItsRoomsWithEnemiesHoldsItsAirAndLetsThePlayerOut)
{
  CapturedLog log;
  session->GetSpace("Admin", "admin");
  Frame();
  for (const char* level : {"skirmish", "freighter", "gunship"})
  {
    SCOPED_TRACE(level);
    events->SendEvent(MemoryManager::New<StartEncounterEvent>(BRINDLE_SITE, LevelTransitionChannel, level, nullptr));
    Frames(2);
    ASSERT_EQ(StateOf("Encounter"), std::string(level) + ", running, shown");
    const ShipMap* map = ComponentOf<ShipMap>("Encounter", "Ship");
    const PressureTracker* air = ComponentOf<PressureTracker>("Encounter", "Ship");
    GameObject* exit = Find("Encounter", "Exit");
    ASSERT_TRUE(map != nullptr && air != nullptr && exit != nullptr);

    // Every floor tile can be walked to from the airlock, through doors and force fields.
    const TileSet aboard = Flood(*map, TileOf(*map, *exit), [](const ShipMap& ship, std::uint8_t bit, glm::ivec2 at) {
      return ship.IsPassable(bit, at.x, at.y);
    });
    std::size_t floors = 0;
    for (int x = 0; x < map->GetWidth(); ++x)
      for (int y = 0; y < map->GetHeight(); ++y)
        floors += map->GetTile(x, y).floor != ShipTile::None ? 1 : 0;
    EXPECT_EQ(aboard.size(), floors);

    // Enemies stand only in the rooms of spawn areas, at least one for each area; everything else
    // the level places stands on the floor.
    Space* encounter = Live("Encounter");
    TileSet spawnRooms;
    std::size_t areas = 0;
    std::vector<Handle<GameObject>> enemies;
    for (auto entry = encounter->ObjectsBegin(); entry != encounter->ObjectsEnd(); ++entry)
    {
      GameObject& object = *entry->second;
      if (object.GetName().rfind("Spawn ", 0) == 0)
      {
        ++areas;
        const TileSet room = RoomOf(*map, TileOf(*map, object));
        spawnRooms.insert(room.begin(), room.end());
      }
      else if (IsEnemy(object))
        enemies.push_back(entry->second);
      else if (!object.GetParent().IsValid() && object.GetName() != "Ship" && object.GetName() != "Level Manager" &&
               object.GetName() != "a hint")  // the exit's hint floats above it, like a label
      {
        EXPECT_EQ(aboard.count({TileOf(*map, object).x, TileOf(*map, object).y}), 1u) << object.GetName();
      }
    }
    EXPECT_GE(areas, 3u);
    EXPECT_GE(enemies.size(), areas);
    for (const Handle<GameObject>& enemy : enemies)
      EXPECT_EQ(spawnRooms.count({TileOf(*map, *enemy).x, TileOf(*map, *enemy).y}), 1u) << enemy->GetName();

    // Left to themselves for three seconds, the enemies stay aboard and no wall gives.
    Frames(180);
    EXPECT_EQ(air->GetBreachCount(), 0);
    for (const auto& [x, y] : aboard)
      EXPECT_NE(air->GetCell(x, y)->zone, PressureZone::Outside) << x << ", " << y;
    for (const Handle<GameObject>& enemy : enemies)
    {
      if (!enemy.IsValid())
        continue;
      EXPECT_EQ(aboard.count({TileOf(*map, *enemy).x, TileOf(*map, *enemy).y}), 1u) << enemy->GetName();
    }

    // The player walks over the largest loot and shoots an enemy dead: the score counts both, and
    // the run remembers the loot by a prefab the end screen can pour out again.
    GameObject* player = Find("Encounter", "Player1");
    GameObject* loot = Find("Encounter", "EN_Loot_Large");
    ASSERT_TRUE(player != nullptr && loot != nullptr);
    const ScoreBoard* score = ComponentOf<ScoreBoard>("Admin", "LTM");
    ASSERT_NE(score, nullptr);
    const int before = score->GetScore();
    const int lootWorth = loot->GetComponent<ReputationValue>()->GetValue();
    const glm::vec2 lootAt = loot->GetTransform()->GetWorldPosition();
    player->GetTransform()->SetWorldPosition(lootAt.x, lootAt.y);
    GameObject* victim = nullptr;
    for (const Handle<GameObject>& enemy : enemies)
      if (enemy.IsValid() && enemy->GetComponent<ReputationValue>() != nullptr)
        victim = enemy.Get();
    ASSERT_NE(victim, nullptr);
    const int killWorth = victim->GetComponent<ReputationValue>()->GetValue();
    victim->GetComponent<Health>()->Kill();
    Frames(3);
    EXPECT_GT(lootWorth, 0);
    EXPECT_GT(killWorth, 0);
    EXPECT_EQ(score->GetScore(), before + lootWorth + killWorth);
    ASSERT_FALSE(registry->GetDataBoard().GetCollectedItems().empty());
    EXPECT_EQ(registry->GetDataBoard().GetCollectedItems().back().prefab, "EN_Loot_Large");
    registry->GetDataBoard().GetCollectedItems().clear();

    // The hatch takes the player back; the encounter space is blank again.
    events->SendEvent(MemoryManager::New<InteractionEvent>(BRINDLE_SITE, exit->GetId()));
    Frame();
    EXPECT_EQ(StateOf("Encounter"), "blank, paused, hidden");
  }
  for (const auto& [level, line] : log.Lines())
    EXPECT_EQ(level, LogLevel::Plain) << line;
  for (const AssertReport& report : asserts.Reports())
    ADD_FAILURE() << report.message;
}
