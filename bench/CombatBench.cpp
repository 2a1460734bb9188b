// A firefight: 200 bullets in flight among 50 objects with Health on a walled floor. Each frame
// the physics steps (1/60 s, two sub-steps) and queues its contacts; then the gameplay logic runs
// as the game loop runs it: the update events and the queue (every Health, Team, BulletLogic and
// timer, the hits, the sparks and the removals), and the guns' fire that keeps 200 bullets flying.
//
//   Firefight   the gameplay logic of a frame, against the physics step of the same frame
//               (combat_vs_physics; the goal is below 1)
//
// Run from the repository root (the prefabs are read from Assets/Prefabs):
//   build/bench/brindle_bench --benchmark_filter=Firefight
#include "BenchScene.h"
#include "Versus.h"
#include "core/EventManager.h"
#include "core/MemoryManager.h"
#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/GameobjectFactory.h"
#include "object/Space.h"
#include "physics/PhysicsModule.h"
#include "physics/Rigidbody.h"
#include "platform/Random.h"

#include <benchmark/benchmark.h>
#include <json/json.h>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <vector>

namespace
{
constexpr int Bullets = 200;
constexpr int Targets = 50;
constexpr float Width = 2400.0f;
constexpr float Height = 1400.0f;
constexpr float Dt = 1.0f / 60.0f;

class FirefightScene : public BenchWorld
{
public:
  FirefightScene()
  {
    Json::Value target;
    std::istringstream(R"({"Transform": null, "Team": {"Team": 1}, "Health": {"hitpoints": 1e9, "max hitpoints": 1e9},
                           "Rigidbody": {"invMass": 0, "invMomentInertia": 0},
                           "CircleCollider": {"radius": 30, "group": "ENEMY"}})") >> target;
    factory->DefinePrefab("FirefightTarget", target, "bench");
    ResetRandom();
    MakeWalls();
    for (int index = 0; index < Targets; ++index)
      Make("FirefightTarget", {(RandomUnit() - 0.5f) * (Width - 200), (RandomUnit() - 0.5f) * (Height - 200)});
    Reload();
  }

  void Physics() { PhysicsModule::Of(space.get())->Update(Dt); }

  // What the game loop does after the physics: the update events with their queue passes, and
  // the guns firing again what hit something.
  void Logic()
  {
    events->SendEvent(MemoryManager::New<UpdateEvent>(BRINDLE_SITE, space->GetId(), Dt));
    events->ProcessQueue();
    events->SendEvent(MemoryManager::New<PostUpdateEvent>(BRINDLE_SITE, space->GetId(), Dt));
    events->ProcessQueue();
    Reload();
  }

  std::size_t InFlight() const { return flying.size(); }
  std::size_t Fired() const { return fired; }

private:
  void MakeWalls()
  {
    const glm::vec2 centres[4] = {{0, Height / 2 + 50}, {0, -Height / 2 - 50}, {Width / 2 + 50, 0}, {-Width / 2 - 50, 0}};
    const glm::vec2 sizes[4] = {{Width + 200, 100}, {Width + 200, 100}, {100, Height}, {100, Height}};
    for (int wall = 0; wall < 4; ++wall)
      MakeWall(centres[wall], sizes[wall]);
  }

  // Keeps 200 bullets flying: each gone one is fired again from somewhere on the floor.
  void Reload()
  {
    flying.erase(std::remove_if(flying.begin(), flying.end(), [](const Handle<GameObject>& bullet) { return !bullet; }),
                 flying.end());
    while (flying.size() < Bullets)
    {
      Handle<GameObject> bullet =
          Make("Bullet", {(RandomUnit() - 0.5f) * Width, (RandomUnit() - 0.5f) * Height});
      const float angle = RandomUnit() * 6.2831853f;
      bullet->GetComponent<Rigidbody>()->SetVelocity({900.0f * std::cos(angle), 900.0f * std::sin(angle)});
      flying.push_back(bullet);
      ++fired;
    }
  }

  std::vector<Handle<GameObject>> flying;
  std::size_t fired = 0;
};

void Firefight(benchmark::State& state)
{
  FirefightScene scene;
  for (int warmUp = 0; warmUp < 60; ++warmUp)
  {
    scene.Physics();
    scene.Logic();
  }
  const std::size_t firedBefore = scene.Fired();
  TimeAgainst(state, "combat", "physics", 0, [&] { scene.Physics(); }, [&] { scene.Logic(); });
  state.counters["bullets"] = static_cast<double>(scene.InFlight());
  state.counters["refired_per_frame"] =
      static_cast<double>(scene.Fired() - firedBefore) / static_cast<double>(state.iterations());
}
BENCHMARK(Firefight)->UseManualTime()->Unit(benchmark::kMicrosecond);
}  // namespace
