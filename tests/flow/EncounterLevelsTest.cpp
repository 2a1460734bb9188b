// The encounter ships as the level flow runs them: each is started by the transition manager, fills
// its rooms with enemies, holds its air and keeps everyone inside its walls while the fight goes on
// by itself, pays the player for loot picked up and enemies killed, and lets the player out through
// the airlock's hatch, or ends the run by the captain's escape pod.
#include "FlowScene.h"

#include "flow/hud/ActionHintController.h"
#include "flow/hud/EncounterTimer.h"
#include "gameplay/LevelEvents.h"
#include "gameplay/combat/Health.h"
#include "gameplay/player/PlayerEvents.h"
#include "gameplay/score/ReputationValue.h"
#include "gameplay/score/ScoreBoard.h"
#include "gameplay/ship/PressureTracker.h"
#include "gameplay/ship/ShipMap.h"
#include "object/Spawning.h"
#include "physics/Rigidbody.h"
#include "render/TextToSprite.h"
#include "support/CapturedLog.h"

#include <cmath>
#include <deque>
#include <filesystem>
#include <fstream>
#include <set>
#include <tuple>
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

// What a level places off the deck on purpose: the ship and the level's bookkeeping, the hints
// that float above what they label, the keys, the crosshair, the sky and the open space round it.
bool IsOffTheDeck(const GameObject& object)
{
  static const std::set<std::string> names = {"Ship", "Level Manager", "a hint", "Help Key",
                                              "Crosshair", "Stars", "Wreckage", "Far Ship"};
  return names.count(object.GetName()) != 0 || object.GetPrefabName() == "EN_Void";
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
      else if (!object.GetParent().IsValid() && !IsOffTheDeck(object))
      {
        EXPECT_EQ(aboard.count({TileOf(*map, object).x, TileOf(*map, object).y}), 1u) << object.GetName();
      }
    }
    EXPECT_GE(areas, 3u);
    EXPECT_GE(enemies.size(), areas);
    for (const Handle<GameObject>& enemy : enemies)
      EXPECT_EQ(spawnRooms.count({TileOf(*map, *enemy).x, TileOf(*map, *enemy).y}), 1u) << enemy->GetName();

    // What F works on shows its hint pointing down at its own room's deck, clear of every other
    // thing the ship holds, so that the hint plainly belongs to it.
    for (auto entry = encounter->ObjectsBegin(); entry != encounter->ObjectsEnd(); ++entry)
    {
      const ActionHintController* hinted = entry->second->GetComponent<ActionHintController>();
      if (hinted == nullptr)
        continue;
      GameObject& hint = *hinted->GetHint();
      const Box hintBox = SpriteBox(hint);
      const glm::ivec2 under = map->WorldToTile((hintBox.low.x + hintBox.high.x) / 2.0f, hintBox.low.y);
      EXPECT_EQ(RoomOf(*map, TileOf(*map, *entry->second)).count({under.x, under.y}), 1u) << entry->first;
      for (auto other = encounter->ObjectsBegin(); other != encounter->ObjectsEnd(); ++other)
      {
        GameObject& thing = *other->second;
        const bool placedProp = !thing.GetName().empty() && thing.GetPrefabName().rfind("EN_", 0) == 0;
        if (&thing != entry->second.Get() && placedProp && !IsOffTheDeck(thing))
        {
          EXPECT_FALSE(hintBox.Meets(SpriteBox(thing))) << entry->first << ": " << thing.GetName();
        }
      }
    }

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
    // the run remembers the loot by a prefab the end screen can pour out again, once, though the
    // touch lasts several physics sub-steps.
    std::vector<CollectionEntry>& haul = registry->GetDataBoard().GetCollectedItems();
    const std::size_t hauled = haul.size();
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
    ASSERT_EQ(haul.size(), hauled + 1);
    EXPECT_EQ(haul.back().prefab, "EN_Loot_Large");
    haul.clear();

    // The hatch takes the player back; the encounter space is blank again.
    events->SendEvent(MemoryManager::New<InteractionEvent>(BRINDLE_SITE, exit->GetId()));
    Frame();
    EXPECT_EQ(StateOf("Encounter"), "blank, paused, hidden");
  }

  // The captain's escape pod ends the run: the end screen pours out the haul, loot an enemy dropped
  // (made without a name) among it.
  events->SendEvent(MemoryManager::New<StartEncounterEvent>(BRINDLE_SITE, LevelTransitionChannel, "skirmish", nullptr));
  Frames(2);
  GameObject* player = Find("Encounter", "Player1");
  GameObject* pod = Find("Encounter", "Escape Pod");
  ASSERT_TRUE(player != nullptr && pod != nullptr);
  SpawnAt("EN_Loot_Small", Live("Encounter"), player->GetTransform()->GetWorldPosition());
  Frames(3);
  events->SendEvent(MemoryManager::New<InteractionEvent>(BRINDLE_SITE, pod->GetId()));
  Frames(90);
  ASSERT_EQ(LevelIn("Utility"), "endscreen");
  EXPECT_EQ(CountPrefab(*Live("Utility"), "EN_Loot_Small"), 5u) << "one piece poured out as five";
  for (const auto& [level, line] : log.Lines())
    EXPECT_EQ(level, LogLevel::Plain) << line;
  for (const AssertReport& report : asserts.Reports())
    ADD_FAILURE() << report.message;
}

// A ship that calls for help, as a player meets it: the comm station starts the HUD's clock as the
// boarding begins; Escape pauses the fight under the pause menu and H opens the how-to-play page,
// both holding the clock; F at the station slows it to half speed. When it runs out, two bears drop
// in about the player, who waits by the airlock's outer hull, and land as police, and the
// reinforcements teleport three more in every five seconds, all on the deck. Shots knock cans out of the soda machine, a gun thrown at the airlock's stash is kept
// for the end of the run, and a player blown out into open space is lost: the end screen follows.
TEST_F(EncounterLevelsTest, AShipThatCallsForHelpIsFoughtAgainstTheClockUntilPoliceTeleportIn)
{
  CapturedLog log;
  session->GetSpace("Admin", "admin");
  Frame();
  events->SendEvent(MemoryManager::New<StartEncounterEvent>(BRINDLE_SITE, LevelTransitionChannel, "gunship", nullptr));
  Frames(3);
  GameObject* player = Find("Encounter", "Player1");
  EncounterTimer* timer = ComponentOf<EncounterTimer>("HUD", "HUD_Timer");
  const ShipMap* map = ComponentOf<ShipMap>("Encounter", "Ship");
  ASSERT_TRUE(player != nullptr && timer != nullptr && map != nullptr);
  player->GetComponent<Health>()->SetInvulnerable(true);
  ASSERT_TRUE(timer->IsActive()) << "the comm station starts the clock";
  ASSERT_TRUE(timer->GetClock().IsValid());
  EXPECT_EQ(timer->GetStage(), 2);
  EXPECT_LT(timer->GetClockTime(), 100.0f);
  const float elapsed = [&] {
    const float before = timer->GetClockTime();
    Frames(60);
    return before - timer->GetClockTime();
  }();
  EXPECT_NEAR(elapsed, 1.0f, 0.02f);

  // The menus over the fight hold it, and the clock with it.
  for (const auto& [key, menuSpace, menu, fight] :
       {std::tuple(SDLK_ESCAPE, "MenuSpace0", "pause_menu", "gunship, paused, shown"),
        std::tuple(SDLK_h, "MenuSpace1", "how_to_play", "gunship, paused, hidden")})
  {
    SCOPED_TRACE(menu);
    Tap(key);
    EXPECT_EQ(LevelIn(menuSpace), menu);
    EXPECT_EQ(StateOf("Encounter"), fight);
    const float held = timer->GetClockTime();
    Rest();
    EXPECT_EQ(timer->GetClockTime(), held);
    Tap(SDLK_ESCAPE);
    EXPECT_EQ(StateOf("Encounter"), "gunship, running, shown");
    Frames(30);
    EXPECT_LT(timer->GetClockTime(), held);
  }

  // At the comm station, F jams the call: the clock runs at half speed.
  GameObject* station = Find("Encounter", "Comm Station");
  ASSERT_NE(station, nullptr);
  const glm::vec2 stationAt = station->GetTransform()->GetWorldPosition();
  player->GetTransform()->SetWorldPosition(stationAt.x, stationAt.y - 40.0f);
  Frames(2);
  Tap(SDLK_f);
  EXPECT_EQ(timer->GetRate(), 0.5f);
  const float slowed = timer->GetClockTime();
  Frames(60);
  EXPECT_NEAR(slowed - timer->GetClockTime(), 0.5f, 0.02f);

  // The clock runs out while the player stands by the airlock's outer hull, where the bears falling
  // about the camera come down partly over open space: they land as two police bears on the deck.
  // Then, every five seconds, three teleport flashes open round the reinforcement spawner (each
  // brings a police bear in), where all is deck.
  const glm::vec2 hatch = Find("Encounter", "Exit")->GetTransform()->GetWorldPosition();
  player->GetTransform()->SetWorldPosition(hatch.x - 22.0f, hatch.y - 64.0f);
  Frames(120);
  Json::Value nearlyOut;
  nearlyOut["clockTime"] = 0.1;
  timer->Deserialize(nearlyOut);
  auto placesOf = [&](const char* prefab) {
    std::vector<glm::vec2> places;
    for (const auto& [id, handle] : Live("Encounter")->GetObjectsById())
      if (handle.IsValid() && handle->GetPrefabName() == prefab)
        places.push_back(handle->GetTransform()->GetWorldPosition());
    return places;
  };
  Frames(30);
  EXPECT_EQ(timer->GetStage(), 4);
  EXPECT_EQ(timer->GetClock()->GetComponent<TextToSprite>()->GetText(), "0.00");
  EXPECT_TRUE(placesOf("AI_bear_police").empty());
  Frames(120);
  EXPECT_EQ(placesOf("AI_bear_police").size(), 2u) << "the fallen bears";
  for (const glm::vec2 bear : placesOf("AI_bear_police"))
    EXPECT_TRUE(map->IsTileAt(bear.x, bear.y)) << "a fallen bear at " << bear.x << ", " << bear.y;
  EXPECT_TRUE(placesOf("EN_TeleportSpawn").empty());
  Frames(5 * 60);
  EXPECT_EQ(placesOf("EN_TeleportSpawn").size(), 3u) << "the first wave";
  Frames(5 * 60);
  EXPECT_EQ(placesOf("EN_TeleportSpawn").size(), 6u) << "the second wave";
  const glm::vec2 spawner = Find("Encounter", "Reinforcements 1")->GetTransform()->GetWorldPosition();
  for (const glm::vec2 flash : placesOf("EN_TeleportSpawn"))
  {
    EXPECT_LE(std::fabs(flash.x - spawner.x), 500.0f);
    EXPECT_LE(std::fabs(flash.y - spawner.y), 500.0f);
  }
  for (float x = -500.0f; x <= 500.0f; x += 50.0f)
    for (float y = -500.0f; y <= 500.0f; y += 50.0f)
      EXPECT_TRUE(map->IsTileAt(spawner.x + x, spawner.y + y)) << x << ", " << y;

  // A shot at the soda machine knocks a can out; a gun thrown at the stash is kept.
  auto make = [&](const char* prefab, glm::vec2 at, glm::vec2 velocity) {
    Handle<GameObject> made;
    session->GetFactory().CreateGameObjectAt(made, prefab, Live("Encounter"), at.x, at.y, "");
    made->GetComponent<Rigidbody>()->SetVelocity(velocity);
  };
  auto cans = [&] {
    std::size_t count = 0;
    for (const auto& [id, handle] : Live("Encounter")->GetObjectsById())
      count += handle.IsValid() && handle->GetPrefabName() == "soda1" ? 1 : 0;
    return count;
  };
  const glm::vec2 machine = Find("Encounter", "Soda Machine")->GetTransform()->GetWorldPosition();
  make("Bullet", machine - glm::vec2(50.0f, 0.0f), {900.0f, 0.0f});
  Frames(15);
  EXPECT_GE(cans(), 1u);
  registry->GetDataBoard().GetCollectedItems().clear();
  const glm::vec2 stash = Find("Encounter", "Stash")->GetTransform()->GetWorldPosition();
  make("rifle", stash + glm::vec2(70.0f, 0.0f), {-200.0f, 0.0f});
  Frames(60);
  ASSERT_EQ(registry->GetDataBoard().GetCollectedItems().size(), 1u);
  EXPECT_EQ(registry->GetDataBoard().GetCollectedItems().back().prefab, "rifle");

  // Out in open space the player is lost; two seconds later the run ends.
  player->GetTransform()->SetWorldPosition(-900.0f, 1000.0f);
  Frames(60);
  EXPECT_NE(LevelIn("Utility"), "endscreen");
  Frames(80);
  EXPECT_EQ(LevelIn("Utility"), "endscreen");
  for (const auto& [level, line] : log.Lines())
    EXPECT_EQ(level, LogLevel::Plain) << line;
  for (const AssertReport& report : asserts.Reports())
    ADD_FAILURE() << report.message;
}
