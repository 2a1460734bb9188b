// One frame of steered enemies in one space, at 100 and 400 agents over the same density: each
// agent takes its allies' kinematics from its aiming module and blends Separation (all of them),
// Wander and Seek toward the player, then casts its sight ray at the player; its Agent applies
// the steering through the frame's events. The steering and the sight rays are timed apart and
// both are set against the physics step of the same scene in the same iteration (the baseline).
// Separation looks at every ally, so the steering grows with the square of the count; the rays
// should grow with the count alone (each a little longer as the room grows).
//
// The parts are timed in this thread's processor time.
//
// Run: build/bench/brindle_bench --benchmark_filter=AISteering --benchmark_format=csv
#include "BenchScene.h"

#include "ai/navigation/AimingModule.h"
#include "core/MemoryManager.h"
#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/GameobjectFactory.h"
#include "object/Space.h"
#include "physics/PhysicsModule.h"
#include "platform/Random.h"
#include "steering/AIEvents.h"
#include "steering/Agent.h"
#include "steering/BlendedSteering.h"
#include "steering/behaviors/Seek.h"
#include "steering/behaviors/Separation.h"
#include "steering/behaviors/Wander.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <memory>
#include <sstream>
#include <vector>

namespace
{
constexpr float AreaPerAgent = 150.0f * 150.0f;

constexpr float FrameStep = 1.0f / 120.0f;

const char* const SteeredPrefab = R"({"Transform": null, "Rigidbody": {"invMomentInertia": 0, "velocityDrag": 4},
    "CircleCollider": {"radius": 16, "group": "ENEMY"}, "Agent": null, "AimingModule": null,
    "Registerer": {"registryType": "ENEMIES"}})";
const char* const TargetPrefab = R"({"Transform": null, "Rigidbody": {"invMass": 0},
    "CircleCollider": {"radius": 16, "group": "PLAYER"}, "Agent": null, "Registerer": {"registryType": "PLAYERS"}})";

class SteeringScene : public BenchWorld
{
public:
  explicit SteeringScene(int agentCount)
  {
    Define("BenchSteered", SteeredPrefab);
    Define("BenchTarget", TargetPrefab);
    ResetRandom();
    const float half = 0.5f * std::sqrt(AreaPerAgent * static_cast<float>(agentCount));
    player = Make("BenchTarget", {0.0f, 0.0f});
    std::vector<Handle<GameObject>> agents;
    for (int index = 0; index < agentCount; ++index)
      agents.push_back(Make("BenchSteered", {(RandomUnit() * 2 - 1) * half, (RandomUnit() * 2 - 1) * half}));
    // Walls across the room, so that some sight rays end on them.
    for (int index = -2; index <= 2; ++index)
      MakeWall({static_cast<float>(index) * half * 0.4f, half * 0.5f}, {20.0f, half * 0.6f});
    events->ProcessQueue();  // the registrations

    const Handle<Kinematic> target = player->GetComponent<Agent>()->GetKinematic();
    for (const Handle<GameObject>& object : agents)
    {
      Steered steered{object, object->GetComponent<AimingModule>(),
                      std::make_unique<BlendedSteering>(space.get(), object->GetComponent<Agent>()->GetKinematic()),
                      nullptr};
      steered.separation = steered.blend->AddBehavior<Separation>(3.0f);
      steered.separation->threshold = 250.0f;
      steered.blend->AddBehavior<Wander>(1.0f);
      steered.blend->AddBehavior<Seek>(2.0f)->SetTarget(target);
      steeredAgents.push_back(std::move(steered));
    }
  }

  // Steering for every agent, queued to it as the controllers do.
  void Steer()
  {
    for (Steered& steered : steeredAgents)
    {
      steered.separation->SetNeighbours(steered.aiming->GetAllyKinematics());
      const SteeringOutput output = steered.blend->GetSteering();
      events->QueueEvent(
          MemoryManager::New<UpdateSteering>(BRINDLE_SITE, steered.object->GetId(), output.linear, output.angular));
    }
  }

  int Look()
  {
    int seen = 0;
    for (Steered& steered : steeredAgents)
      seen += steered.aiming->CanSee(&player) ? 1 : 0;
    return seen;
  }

  void Physics() { PhysicsModule::Of(space.get())->Update(FrameStep); }

  // The frame's events for the space: the agents apply and read back.
  void Dispatch()
  {
    events->SendEvent(MemoryManager::New<UpdateEvent>(BRINDLE_SITE, space->GetId(), FrameStep));
    events->ProcessQueue();
    events->SendEvent(MemoryManager::New<PostUpdateEvent>(BRINDLE_SITE, space->GetId(), FrameStep));
    events->ProcessQueue();
  }

private:
  struct Steered
  {
    Handle<GameObject> object;
    AimingModule* aiming;
    std::unique_ptr<BlendedSteering> blend;
    Separation* separation;
  };

  void Define(const std::string& name, const char* definition)
  {
    Json::Value parsed;
    std::istringstream(definition) >> parsed;
    factory->DefinePrefab(name, parsed, "bench");
  }

  Handle<GameObject> player;
  std::vector<Steered> steeredAgents;
};

void AISteering(benchmark::State& state)
{
  SteeringScene scene(static_cast<int>(state.range(0)));
  double physicsSeconds = 0;
  double steeringSeconds = 0;
  double raySeconds = 0;
  double dispatchSeconds = 0;
  int seen = 0;
  for (auto _ : state)
  {
    const double start = ThreadSeconds();
    scene.Physics();
    const double steerStart = ThreadSeconds();
    scene.Steer();
    const double lookStart = ThreadSeconds();
    seen = scene.Look();
    const double dispatchStart = ThreadSeconds();
    scene.Dispatch();
    const double end = ThreadSeconds();
    physicsSeconds += steerStart - start;
    steeringSeconds += lookStart - steerStart;
    raySeconds += dispatchStart - lookStart;
    dispatchSeconds += end - dispatchStart;
  }
  const double frames = static_cast<double>(state.iterations());
  state.counters["agents"] = static_cast<double>(state.range(0));
  state.counters["seen"] = seen;
  state.counters["physics_us"] = physicsSeconds * 1e6 / frames;
  state.counters["steering_us"] = steeringSeconds * 1e6 / frames;
  state.counters["rays_us"] = raySeconds * 1e6 / frames;
  state.counters["agent_events_us"] = dispatchSeconds * 1e6 / frames;
  state.counters["ai_vs_physics"] =
      physicsSeconds > 0 ? (steeringSeconds + raySeconds + dispatchSeconds) / physicsSeconds : 0;
}
BENCHMARK(AISteering)->Arg(100)->Arg(400)->Unit(benchmark::kMicrosecond);
}  // namespace
