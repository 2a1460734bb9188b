// Particle update and draw with 10,000 live particles, and the light polygon's 51 rays per frame
// through a room of light-blocking walls. Each figure is set beside a baseline measured in the
// same run: a plain loop moving the same particles, an empty frame, and the same fan computed
// with no physics to ask.
//
//   xvfb-run -a -s "-screen 0 1280x720x24" build/bench/brindle_bench --benchmark_filter=Lights
#include "BenchScene.h"

#include "core/EventManager.h"
#include "core/MemoryManager.h"
#include "object/GameObject.h"
#include "object/Space.h"
#include "physics/PhysicsModule.h"
#include "physics/RectangleCollider.h"
#include "platform/Random.h"
#include "render/Graphics.h"
#include "render/Light.h"
#include "render/ParticleSystem.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <vector>

namespace
{
constexpr unsigned ParticleCount = 10000;
constexpr float Frame = 1.0f / 60.0f;

// A system of 10,000 particles that never die, spread over the screen.
std::unique_ptr<ParticleSystem> MakeFullSystem()
{
  ResetRandom();
  auto system = std::make_unique<ParticleSystem>();
  system->maxParticles = ParticleCount;
  system->initialSpawn = static_cast<int>(ParticleCount);
  system->spawnRate = 0.0f;
  system->ageMin = system->ageMax = 1.0e6f;
  system->spawnRandos = {0.0f, 6.2831f, 0.0f, 500.0f};
  system->velocityMagnitudeMin = 10.0f;
  system->velocityMagnitudeMax = 50.0f;
  system->texture = "white";
  system->blendMode = 2;
  system->Reset();
  return system;
}

// The standard update of every live particle (spawning, retiring, ageing, recolouring, moving),
// set against a loop that only moves the same particles.
void LightsParticleUpdate10000(benchmark::State& state)
{
  std::unique_ptr<ParticleSystem> system = MakeFullSystem();
  std::vector<Particle> plain(system->GetPool());
  double updateSeconds = 0;
  double moveSeconds = 0;
  for (auto _ : state)
  {
    const auto updateStart = std::chrono::steady_clock::now();
    system->Update(Frame);
    const auto moveStart = std::chrono::steady_clock::now();
    for (Particle& particle : plain)
      particle.position += particle.velocity * Frame;
    benchmark::DoNotOptimize(plain.data());
    const auto end = std::chrono::steady_clock::now();
    updateSeconds += SecondsOf(moveStart - updateStart);
    moveSeconds += SecondsOf(end - moveStart);
  }
  state.counters["live"] = static_cast<double>(system->GetActive().size());
  state.counters["vs_plain_move"] = moveSeconds > 0 ? updateSeconds / moveSeconds : 0;
  state.counters["update_us"] = updateSeconds * 1.0e6 / static_cast<double>(state.iterations());
}
BENCHMARK(LightsParticleUpdate10000)->Unit(benchmark::kMicrosecond);

// A renderer in a hidden window; null renderer when GL is missing.
struct DrawScene
{
  DrawScene()
  {
    if (!renderer.Open())
      return;
    graphics = renderer.graphics.get();
    graphics->RegisterCamera(&renderer.camera, &space);
    system = MakeFullSystem();
  }

  ~DrawScene()
  {
    system.reset();
    renderer.Close();
  }

  void FileSystem()
  {
    Graphics::InstanceSubmission<ParticleSystem*> submission;
    submission.layer = graphics->GetLayer("DL_PARTICLES");
    submission.pass = graphics->GetPass("ParticleSystemPass");
    submission.space = &space;
    submission.record = system.get();
    graphics->AddInstance(submission);
  }

  BenchRenderer renderer;
  Graphics::Graphics* graphics = nullptr;
  BenchSpace space;
  std::unique_ptr<ParticleSystem> system;
};

// A whole frame with one system of 10,000 particles, set against an empty frame.
void LightsParticleDraw10000(benchmark::State& state)
{
  static DrawScene scene;
  if (scene.renderer.SkipWithoutGl(state))
    return;
  TimeAgainstEmptyFrame(state, *scene.graphics, [] { scene.FileSystem(); });
}
BENCHMARK(LightsParticleDraw10000)->Unit(benchmark::kMillisecond);

// A light in a room of 200 light-blocking walls, in a space with its physics module.
class RayScene
{
public:
  RayScene()
  {
    EventManager::SetInstance(&events);
    space = std::make_unique<Space>("Bench");
    physics = PhysicsModule::Of(space.get());
    ResetRandom();
    for (int i = 0; i < 200; ++i)
    {
      Handle<GameObject> wall = MakeBenchObject({RandomUnit() * 2000 - 1000, RandomUnit() * 2000 - 1000}, space.get(), objects);
      auto* rectangle = MemoryManager::New<RectangleCollider>(BRINDLE_SITE);
      rectangle->SetSize(20 + RandomUnit() * 80, 20 + RandomUnit() * 80);
      rectangle->group = CollisionGroup::LIGHT_BLOCK;
      wall->AttachComponent(rectangle);
      rectangle->OnAwake();
    }
    Handle<GameObject> lamp = MakeBenchObject({0, 0}, space.get(), objects);
    light = MemoryManager::New<Light>(BRINDLE_SITE);
    light->radius = 400;
    lamp->AttachComponent(light);
    light->OnAwake();
  }

  ~RayScene()
  {
    DestroyBenchObjects(objects, *physics);
    space.reset();
    events.ProcessQueue();
    EventManager::SetInstance(nullptr);
  }

  EventManager events;
  std::unique_ptr<Space> space;
  PhysicsModule* physics = nullptr;
  std::vector<Handle<GameObject>> objects;
  Light* light = nullptr;
};

// One frame's polygon: 51 rays into the physics world, set against the same fan without rays.
void LightsPolygonRays(benchmark::State& state)
{
  RayScene scene;
  double castSeconds = 0;
  double fanSeconds = 0;
  for (auto _ : state)
  {
    const auto castStart = std::chrono::steady_clock::now();
    scene.light->ComputePolygon(scene.physics);
    const auto fanStart = std::chrono::steady_clock::now();
    scene.light->ComputePolygon(nullptr);
    const auto end = std::chrono::steady_clock::now();
    benchmark::DoNotOptimize(scene.light->GetVertices().data());
    castSeconds += SecondsOf(fanStart - castStart);
    fanSeconds += SecondsOf(end - fanStart);
  }
  state.SetItemsProcessed(state.iterations() * Light::RayCount);
  state.counters["vs_fan_without_rays"] = fanSeconds > 0 ? castSeconds / fanSeconds : 0;
  state.counters["polygon_us"] = castSeconds * 1.0e6 / static_cast<double>(state.iterations());
}
BENCHMARK(LightsPolygonRays)->Unit(benchmark::kMicrosecond);
}  // namespace
