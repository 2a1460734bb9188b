// The player firing: one frame of a player holding the trigger of each gun, against the frame of
// the same player holding the same gun without firing, both timed in the same iterations. Each
// player stands on a walled floor of its own (a space each) facing a row of twenty crates with
// endless health in front of the far wall. A frame is what the game loop does for the space: the
// physics step, then the update events with their queue passes; the firing player gets the use
// event its controller sends while the fire button is held (re-armed each time, so the
// semi-automatic fires at its cooldown) and a full magazine, so no frame waits on a reload.
//
// The shotgun and the beam at their worst: the shotgun without a cooldown or pump (ten pellets
// every frame), the beam's ray through all twenty crates to the wall.
//
//   PlayerFiring/<gun>   firing_vs_holding: the firing frame over the holding frame
//
// Run from the repository root (the prefabs are read from Assets/Prefabs):
//   build/bench/brindle_bench --benchmark_filter=PlayerFiring
#include "BenchScene.h"
#include "Versus.h"
#include "core/EventManager.h"
#include "core/FileUtilities.h"
#include "core/MemoryManager.h"
#include "gameplay/items/Equipment.h"
#include "gameplay/items/ItemEvents.h"
#include "gameplay/weapons/Gun.h"
#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/GameobjectFactory.h"
#include "object/ObjectEvents.h"
#include "object/Space.h"
#include "physics/PhysicsModule.h"
#include "physics/RectangleCollider.h"

#include <benchmark/benchmark.h>
#include <json/json.h>

#include <memory>
#include <sstream>
#include <string>

namespace
{
constexpr float Dt = 1.0f / 60.0f;
constexpr float Width = 2000.0f;
constexpr float Height = 800.0f;
constexpr int Crates = 20;

const char* const Guns[] = {"heavy_pistol", "rifle", "burst_rifle", "rocket_launcher", "shotgun", "Beam_Gun"};

Json::Value PrefabFile(const std::string& name)
{
  Json::Value file;
  ReadJsonFile(file, "Assets/Prefabs/" + name + ".prefab");
  return file[name];
}

// One player with a gun on a walled floor of its own.
class Range
{
public:
  Range(BenchWorld& world, const std::string& name, const std::string& player)
      : world(world), space(std::make_unique<Space>(name))
  {
    world.events->Subscribe<Space, GameObjectCleanupEvent>(space.get(), space->GetId());
    const glm::vec2 centres[4] = {{0, Height / 2 + 50}, {0, -Height / 2 - 50}, {Width / 2 + 50, 0}, {-Width / 2 - 50, 0}};
    const glm::vec2 sizes[4] = {{Width + 200, 100}, {Width + 200, 100}, {100, Height}, {100, Height}};
    for (int wall = 0; wall < 4; ++wall)
    {
      Handle<GameObject> made = Make("RangeWall", centres[wall]);
      made->GetComponent<RectangleCollider>()->SetSize(sizes[wall].x, sizes[wall].y);
    }
    for (int crate = 0; crate < Crates; ++crate)
      Make("BenchCrate", {-Width / 2 + 400 + crate * 70.0f, 0});
    holder = Make(player, {-Width / 2 + 150, 0});
    gun = Gun::GetGunComponent(holder->GetComponent<Equipment>()->GetSlot(0).Get());
  }
  ~Range() { space->UnloadLevel(); }

  void Frame(bool firing)
  {
    PhysicsModule::Of(space.get())->Update(Dt);
    if (firing)
    {
      gun->SetMagAmmo(gun->GetMagCapacity());
      world.events->SendEvent(MemoryManager::New<UseEvent>(BRINDLE_SITE, holder->GetId(), true, 0u, true));
    }
    world.events->SendEvent(MemoryManager::New<UpdateEvent>(BRINDLE_SITE, space->GetId(), Dt));
    world.events->ProcessQueue();
    world.events->SendEvent(MemoryManager::New<PostUpdateEvent>(BRINDLE_SITE, space->GetId(), Dt));
    world.events->ProcessQueue();
  }

  bool Armed() const { return gun != nullptr; }
  std::size_t Objects() const { return space->GetObjectsById().size(); }

private:
  Handle<GameObject> Make(const std::string& prefab, glm::vec2 position)
  {
    Handle<GameObject> object;
    world.factory->CreateGameObjectAt(object, prefab, space.get(), position.x, position.y, "");
    return object;
  }

  BenchWorld& world;
  std::unique_ptr<Space> space;
  Handle<GameObject> holder;
  Gun* gun = nullptr;
};

void PlayerFiring(benchmark::State& state)
{
  const std::string gunName = Guns[state.range(0)];
  state.SetLabel(gunName);
  BenchWorld world;
  Json::Value crate;
  std::istringstream(R"({"Transform": null, "Health": {"hitpoints": 1e9, "max hitpoints": 1e9},
                         "RectangleCollider": {"group": "PROPS", "scale": [48, 48]}})") >> crate;
  world.factory->DefinePrefab("BenchCrate", crate, "bench");
  Json::Value gun = PrefabFile(gunName);
  if (gunName == "shotgun")
  {
    gun["Shotgun"]["fireCooldown"] = 0.0;
    gun["Shotgun"]["pumpDelay"] = 0.0;
  }
  world.factory->DefinePrefab("BenchGun", gun, "bench");
  Json::Value player = PrefabFile("Player");
  player["Equipment"] = Json::Value(Json::objectValue);
  player["Equipment"]["startingPrimary"] = "BenchGun";
  world.factory->DefinePrefab("BenchPlayer", player, "bench");

  Range holding(world, "Holding", "BenchPlayer");
  Range firing(world, "Firing", "BenchPlayer");
  if (!holding.Armed() || !firing.Armed())
  {
    state.SkipWithError("the player holds no gun");
    return;
  }
  for (int warmUp = 0; warmUp < 120; ++warmUp)
  {
    holding.Frame(false);
    firing.Frame(true);
  }
  TimeAgainst(state, "firing", "holding", 0, [&] { holding.Frame(false); }, [&] { firing.Frame(true); });
  // What the shots add to the space: projectiles, flashes, sparks, lights.
  state.counters["objects_added"] = static_cast<double>(firing.Objects()) - static_cast<double>(holding.Objects());
}
BENCHMARK(PlayerFiring)->DenseRange(0, 5)->UseManualTime()->Unit(benchmark::kMicrosecond);
}  // namespace
