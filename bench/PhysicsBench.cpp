// One physics sub-step with 1,000 and 5,000 moving circles at the same density in a walled area,
// and ray casts through a scene of 1,000 bodies against testing every body (the baseline the
// grid's speed-up is read against).
//
// Run: build/bench/brindle_bench --benchmark_filter=Physics
#include "BenchScene.h"

#include "core/EventManager.h"
#include "core/MemoryManager.h"
#include "object/GameObject.h"
#include "object/Space.h"
#include "physics/CircleCollider.h"
#include "physics/PhysicsModule.h"
#include "physics/RectangleCollider.h"
#include "physics/Rigidbody.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <memory>
#include <random>
#include <vector>

namespace
{
// About one body per 90 x 90 units, whatever the count, so the work per body stays the same.
constexpr float AreaPerBody = 90.0f * 90.0f;

// The bodies in a space of their own, whose physics module they join as they wake, as a level's
// objects do.
class PhysicsScene
{
public:
  explicit PhysicsScene(int bodyCount)
  {
    EventManager::SetInstance(&events);
    space = std::make_unique<Space>("Bench");
    physics = PhysicsModule::Of(space.get());
    const float half = 0.5f * std::sqrt(AreaPerBody * static_cast<float>(bodyCount));
    std::mt19937 random(2024);
    std::uniform_real_distribution<float> unit(0.0f, 1.0f);
    for (int index = 0; index < bodyCount; ++index)
    {
      Handle<GameObject> object =
          MakeBenchObject({(unit(random) * 2 - 1) * half, (unit(random) * 2 - 1) * half}, space.get(), objects);
      auto* body = MemoryManager::New<Rigidbody>(BRINDLE_SITE);
      object->AttachComponent(body);
      body->OnAwake();
      body->velocity = {(unit(random) * 2 - 1) * 150.0f, (unit(random) * 2 - 1) * 150.0f};
      auto* circle = MemoryManager::New<CircleCollider>(BRINDLE_SITE);
      circle->radius = 10.0f + 20.0f * unit(random);
      circle->group = CollisionGroup::ENEMY;
      object->AttachComponent(circle);
      circle->OnAwake();
    }
    const float thickness = 200.0f;
    const glm::vec2 wallCentres[4] = {{half + thickness / 2, 0}, {0, half + thickness / 2}, {-half - thickness / 2, 0}, {0, -half - thickness / 2}};
    const glm::vec2 wallSizes[4] = {{thickness, 2 * half}, {2 * half, thickness}, {thickness, 2 * half}, {2 * half, thickness}};
    for (int index = 0; index < 4; ++index)
    {
      Handle<GameObject> wall = MakeBenchObject(wallCentres[index], space.get(), objects);
      auto* rectangle = MemoryManager::New<RectangleCollider>(BRINDLE_SITE);
      rectangle->SetSize(wallSizes[index].x, wallSizes[index].y);
      rectangle->group = CollisionGroup::WALL;
      rectangle->mapFlag = true;
      wall->AttachComponent(rectangle);
      rectangle->OnAwake();
    }
    extent = half;
  }

  ~PhysicsScene()
  {
    DestroyBenchObjects(objects, *physics);
    space.reset();
    events.ProcessQueue();
    EventManager::SetInstance(nullptr);
  }

  // False, with the benchmark marked failed, when a body or wall is missing from the physics: a
  // figure of an empty world would pass for a fast one.
  bool Complete(benchmark::State& state, int bodyCount) const
  {
    if (physics != nullptr && physics->EntryCount() == static_cast<std::size_t>(bodyCount) + 4)
      return true;
    state.SkipWithError("the bodies are not in the space's physics");
    return false;
  }

  void Step()
  {
    physics->Step(physics->timer.stepTime, 1);
  }

  EventManager events;
  std::unique_ptr<Space> space;
  PhysicsModule* physics = nullptr;
  std::vector<Handle<GameObject>> objects;
  float extent = 0.0f;
};

void PhysicsStep(benchmark::State& state)
{
  PhysicsScene scene(static_cast<int>(state.range(0)));
  if (!scene.Complete(state, static_cast<int>(state.range(0))))
    return;
  for (int warmUp = 0; warmUp < 30; ++warmUp)
  {
    scene.Step();
    scene.events.ProcessQueue();
  }
  for (auto _ : state)
  {
    scene.Step();
    state.PauseTiming();
    // The space delivers the step's collision events; that is not the step's own work.
    scene.events.ProcessQueue();
    state.ResumeTiming();
  }
  state.counters["bodies"] = static_cast<double>(state.range(0));
  state.counters["contacts"] = static_cast<double>(scene.physics->GetContacts().Size());
}
BENCHMARK(PhysicsStep)->Arg(1000)->Arg(5000)->Unit(benchmark::kMicrosecond);

struct Ray
{
  glm::vec2 origin;
  glm::vec2 direction;
  float length;
};

std::vector<Ray> MakeRays(float extent)
{
  std::mt19937 random(99);
  std::uniform_real_distribution<float> unit(0.0f, 1.0f);
  std::vector<Ray> rays(10000);
  for (Ray& ray : rays)
  {
    const float angle = 6.2831853f * unit(random);
    ray = {{(unit(random) * 2 - 1) * extent, (unit(random) * 2 - 1) * extent}, {std::cos(angle), std::sin(angle)},
           200.0f + 1800.0f * unit(random)};
  }
  return rays;
}

void PhysicsRayCast(benchmark::State& state)
{
  PhysicsScene scene(1000);
  if (!scene.Complete(state, 1000))
    return;
  scene.Step();
  const std::vector<Ray> rays = MakeRays(scene.extent);
  const auto group = static_cast<std::uint32_t>(CollisionGroup::PROJECTILE);
  RayCastResult result;
  std::int64_t hits = 0;
  for (auto _ : state)
  {
    for (const Ray& ray : rays)
      hits += scene.physics->RayCast(ray.origin, ray.direction, ray.length, group, false, result, false);
  }
  benchmark::DoNotOptimize(hits);
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(rays.size()));
  state.counters["hit share"] = static_cast<double>(hits) / static_cast<double>(state.iterations() * rays.size());
}
BENCHMARK(PhysicsRayCast)->Unit(benchmark::kMillisecond);

// The baseline: the same rays tested against every body.
void PhysicsRayCastEveryBody(benchmark::State& state)
{
  PhysicsScene scene(1000);
  if (!scene.Complete(state, 1000))
    return;
  scene.Step();
  const std::vector<Ray> rays = MakeRays(scene.extent);
  const auto group = static_cast<std::uint32_t>(CollisionGroup::PROJECTILE);
  const auto none = static_cast<std::uint32_t>(CollisionGroup::INVALID_GROUP);
  std::int64_t hits = 0;
  for (auto _ : state)
  {
    for (const Ray& ray : rays)
    {
      float nearest = 1e30f;
      for (const Handle<GameObject>& object : scene.objects)
      {
        float distance = 0.0f;
        glm::vec2 point;
        bool blocking = false;
        if (scene.physics->IntersectRayWithObject(ray.origin, ray.direction, ray.length, group,
                                                *scene.physics->Find(object->GetId()), distance, point, blocking, none))
          nearest = std::min(nearest, distance);
      }
      hits += nearest < 1e30f;
    }
  }
  benchmark::DoNotOptimize(hits);
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(rays.size()));
}
BENCHMARK(PhysicsRayCastEveryBody)->Unit(benchmark::kMillisecond);
}  // namespace
