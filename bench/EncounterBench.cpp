// A busy encounter as the game plays it: the encounter level ("skirmish"; the ship interior while
// that level is not there) with a fighter on the players' side, a crew of 30 ducks, bugs and bears
// hunting it, and 200 bullets kept in flight through the ship. Each frame the physics steps
// (1/60 s) and the game's logic runs as the loop runs it: the update events with their queue
// passes (the enemies' brains and steering, guns, health, projectiles, the ship's own logic).
//
//   BusyEncounter   the gameplay, AI and physics of a frame against the physics step alone
//                   (frame_vs_physics) and the frame's CPU milliseconds on one core
//                   (frame_cpu_ms; the goal is below 2)
//   MixedEncounterAI  30 bandits, hunters, bears, bugs, ducks and drone carriers (and the drones
//                   they split into) fighting the fighter with their own guns, no bullets added:
//                   the enemies' brains alone (each controller's update: sight, state machine,
//                   routes, steering blends, the decision to fire), called one by one ahead of
//                   the frame's other logic, against the physics step of the same frames
//                   (ai_vs_physics) and in microseconds a frame (ai_us)
//
// Run from the repository root (the prefabs and levels are read from Assets/):
//   build/bench/brindle_bench --benchmark_filter='BusyEncounter|MixedEncounterAI'
#include "BenchScene.h"
#include "ai/enemies/DroneSpawnController.h"
#include "ai/enemies/WanderChaseController.h"
#include "core/EventManager.h"
#include "core/MemoryManager.h"
#include "gameplay/ship/ShipMap.h"
#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/GameobjectFactory.h"
#include "object/Registry.h"
#include "object/RegistryType.h"
#include "object/Space.h"
#include "physics/PhysicsModule.h"
#include "physics/Rigidbody.h"
#include "platform/Random.h"

#include <benchmark/benchmark.h>
#include <json/json.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace
{
constexpr std::size_t Enemies = 30;
constexpr std::size_t Projectiles = 200;
constexpr float Dt = 1.0f / 60.0f;

std::string EncounterLevel()
{
  return std::filesystem::exists("Assets/LevelFiles/skirmish.json") ? "skirmish" : "shipinterior";
}

class EncounterScene : public BenchWorld
{
public:
  EncounterScene(const std::vector<const char*>& crew, std::size_t projectiles) : projectileCount(projectiles)
  {
    ResetRandom();
    level = EncounterLevel();
    loaded = space->LoadLevelFile("Assets/LevelFiles/" + level + ".json");
    FindFloor();
    if (floor.empty())
      return;
    DefineFighter();
    Make("EncounterFighter", FloorPlace());
    // The level's own crew counts towards the thirty.
    const std::size_t aboard = registry->GetObjects(RegistryType::ENEMIES).size();
    for (std::size_t index = aboard; index < Enemies; ++index)
      Make(crew[index % crew.size()], FloorPlace());
    Reload();
  }

  bool Ready() const { return loaded && !floor.empty(); }
  const std::string& Level() const { return level; }
  std::size_t EnemiesLeft() const { return registry->GetObjects(RegistryType::ENEMIES).size(); }

  void Physics() { PhysicsModule::Of(space.get())->Update(Dt); }

  // The enemies' controllers, taken off the space's update so that Brains runs them instead.
  void DetachBrains()
  {
    brains.clear();
    for (const Handle<GameObject>& enemy : registry->GetObjects(RegistryType::ENEMIES))
    {
      if (!enemy)
        continue;
      for (const auto& [name, component] : enemy->GetComponents())
        if (dynamic_cast<WanderChaseController*>(component) != nullptr ||
            dynamic_cast<DroneSpawnController*>(component) != nullptr)
        {
          events->Unsubscribe(*component, UpdateEvent::TypeId, space->GetId());
          brains.push_back({enemy, component});
        }
    }
  }

  // Each enemy's controller updated once, as the space's update would.
  void Brains()
  {
    UpdateEvent update(space->GetId(), Dt);
    for (const auto& [enemy, component] : brains)
    {
      if (!enemy)
        continue;
      if (auto* chaser = dynamic_cast<WanderChaseController*>(component))
        chaser->On(&update);
      else
        static_cast<DroneSpawnController*>(component)->On(&update);
    }
  }

  void Logic()
  {
    events->SendEvent(MemoryManager::New<PreUpdateEvent>(BRINDLE_SITE, space->GetId(), Dt));
    events->SendEvent(MemoryManager::New<UpdateEvent>(BRINDLE_SITE, space->GetId(), Dt));
    events->ProcessQueue();
    events->SendEvent(MemoryManager::New<PostUpdateEvent>(BRINDLE_SITE, space->GetId(), Dt));
    events->ProcessQueue();
    Reload();
  }

private:
  // The attract mode's fighter: the enemies' own brain on the players' side, too tough to fall.
  void DefineFighter()
  {
    Json::Value file;
    std::ifstream("Assets/Prefabs/BasicEnemy.prefab") >> file;
    Json::Value fighter = file["BasicEnemy"];
    fighter["CircleCollider"]["group"] = "PLAYER";
    fighter["Team"]["Team"] = 0;
    fighter["Registerer"]["registryType"] = "PLAYERS";
    fighter["Health"]["hitpoints"] = 1e9;
    fighter["Health"]["max hitpoints"] = 1e9;
    fighter["Ammo"]["ammo_BULLET"] = 1e9;
    factory->DefinePrefab("EncounterFighter", fighter, "bench");
  }

  void FindFloor()
  {
    auto ship = space->FindObjectByName("Ship");
    if (ship == space->ObjectsEnd() || !ship->second)
      return;
    ShipMap* map = ship->second->GetComponent<ShipMap>();
    if (map == nullptr)
      return;
    for (int y = 0; y < map->GetHeight(); ++y)
      for (int x = 0; x < map->GetWidth(); ++x)
      {
        const glm::vec2 centre = map->TileToWorld(x, y);
        if (map->IsTileAt(centre.x, centre.y))
          floor.push_back(centre);
      }
  }

  glm::vec2 FloorPlace() const
  {
    return floor[static_cast<std::size_t>(Random()) % floor.size()];
  }

  // Keeps 200 bullets in flight: each gone one is fired again from a floor tile.
  void Reload()
  {
    flying.erase(std::remove_if(flying.begin(), flying.end(), [](const Handle<GameObject>& bullet) { return !bullet; }),
                 flying.end());
    while (flying.size() < projectileCount)
    {
      Handle<GameObject> bullet = Make(flying.size() % 2 ? "Bullet" : "EnemyBullet", FloorPlace());
      const float angle = RandomUnit() * 6.2831853f;
      bullet->GetComponent<Rigidbody>()->SetVelocity({900.0f * std::cos(angle), 900.0f * std::sin(angle)});
      flying.push_back(bullet);
    }
  }

  std::size_t projectileCount;
  std::vector<std::pair<Handle<GameObject>, Component*>> brains;
  std::string level;
  bool loaded = false;
  std::vector<glm::vec2> floor;
  std::vector<Handle<GameObject>> flying;
};

// A second of frames played before timing; false, with the benchmark skipped, when the level
// has no floor to fight on.
bool WarmUp(EncounterScene& scene, benchmark::State& state)
{
  if (!scene.Ready())
  {
    state.SkipWithError(("the level " + scene.Level() + " has no ship floor to fight on").c_str());
    return false;
  }
  for (int warmUp = 0; warmUp < 60; ++warmUp)
  {
    scene.Physics();
    scene.Logic();
  }
  return true;
}

void BusyEncounter(benchmark::State& state)
{
  EncounterScene scene({"AI_duck", "AI_bug", "AI_bear", "AI_duck2", "AI_bug2"}, Projectiles);
  if (!WarmUp(scene, state))
    return;
  // Thread CPU time: on a busy machine the wall clock also counts the time other programs held
  // the core. The wall-clock frame is kept beside it.
  double physicsSeconds = 0;
  double frameSeconds = 0;
  double wallSeconds = 0;
  for (auto _ : state)
  {
    const auto wallStart = std::chrono::steady_clock::now();
    const double start = ThreadSeconds();
    scene.Physics();
    const double middle = ThreadSeconds();
    scene.Logic();
    const double end = ThreadSeconds();
    physicsSeconds += middle - start;
    frameSeconds += end - start;
    const double wall = SecondsOf(std::chrono::steady_clock::now() - wallStart);
    wallSeconds += wall;
    state.SetIterationTime(wall);
  }
  const double iterations = static_cast<double>(state.iterations());
  state.counters["frame_vs_physics"] = physicsSeconds > 0 ? frameSeconds / physicsSeconds : 0;
  state.counters["frame_cpu_ms"] = frameSeconds * 1000.0 / iterations;
  state.counters["physics_cpu_ms"] = physicsSeconds * 1000.0 / iterations;
  state.counters["frame_wall_ms"] = wallSeconds * 1000.0 / iterations;
  state.counters["enemies_left"] = static_cast<double>(scene.EnemiesLeft());
  state.SetLabel(scene.Level());
}
BENCHMARK(BusyEncounter)->UseManualTime()->Unit(benchmark::kMicrosecond);

void MixedEncounterAI(benchmark::State& state)
{
  EncounterScene scene({"AI_bandit", "AI_hunter", "AI_bear", "AI_bug", "AI_duck", "DroneCarrier"}, 0);
  if (!WarmUp(scene, state))
    return;
  double physicsSeconds = 0;
  double aiSeconds = 0;
  for (auto _ : state)
  {
    // Drones split off since the last frame are taken in too; that is not timed.
    state.PauseTiming();
    scene.DetachBrains();
    state.ResumeTiming();
    const auto wallStart = std::chrono::steady_clock::now();
    const double start = ThreadSeconds();
    scene.Physics();
    const double middle = ThreadSeconds();
    scene.Brains();
    const double end = ThreadSeconds();
    scene.Logic();
    physicsSeconds += middle - start;
    aiSeconds += end - middle;
    state.SetIterationTime(SecondsOf(std::chrono::steady_clock::now() - wallStart));
  }
  const double iterations = static_cast<double>(state.iterations());
  state.counters["ai_vs_physics"] = physicsSeconds > 0 ? aiSeconds / physicsSeconds : 0;
  state.counters["ai_us"] = aiSeconds * 1e6 / iterations;
  state.counters["physics_us"] = physicsSeconds * 1e6 / iterations;
  state.counters["enemies_left"] = static_cast<double>(scene.EnemiesLeft());
  state.SetLabel(scene.Level());
}
BENCHMARK(MixedEncounterAI)->UseManualTime()->Unit(benchmark::kMicrosecond);
}  // namespace
