// One frame of steered enemies in one space, at 100 and 400 agents over the same density: each
// agent takes its allies' kinematics from its aiming module and blends Separation (all of them),
// Wander and Seek toward the player, then casts its sight ray at the player; its Agent applies
// the steering through the frame's events. The steering and the sight rays are timed apart and
// both are set against the physics step of the same scene in the same iteration (the baseline).
// Separation looks at every ally, so the steering grows with the square of the count; the rays
// should grow with the count alone.
//
// Run: build/bench/brindle_bench --benchmark_filter=AISteering --benchmark_format=csv
#include "BenchScene.h"

#include "ai/AIEvents.h"
#include "ai/Agent.h"
#include "ai/AimingModule.h"
#include "ai/BlendedSteering.h"
#include "ai/Seek.h"
#include "ai/Separation.h"
#include "ai/Wander.h"
#include "core/EventManager.h"
#include "core/MemoryManager.h"
#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/Registry.h"
#include "object/Space.h"
#include "physics/CircleCollider.h"
#include "physics/RectangleCollider.h"
#include "physics/Rigidbody.h"
#include "platform/Random.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <memory>
#include <vector>

namespace
{
constexpr float AreaPerAgent = 150.0f * 150.0f;
constexpr float FrameStep = 1.0f / 120.0f;

class SteeringScene
{
public:
  explicit SteeringScene(int agentCount)
  {
    EventManager::SetInstance(&events);
    Registry::SetInstance(&registry);
    space = std::make_unique<Space>("Bench");
    ResetRandom();
    const float half = 0.5f * std::sqrt(AreaPerAgent * static_cast<float>(agentCount));
    for (int index = 0; index < agentCount; ++index)
    {
      const glm::vec2 at((RandomUnit() * 2 - 1) * half, (RandomUnit() * 2 - 1) * half);
      Handle<GameObject> object = MakeCharacter(at, CollisionGroup::ENEMY);
      registry.GetObjects(RegistryType::ENEMIES).push_back(object);
      auto* aiming = MemoryManager::New<AimingModule>(BRINDLE_SITE);
      object->AttachComponent(aiming);
      aiming->OnAwake();
      agents.push_back({object, aiming, nullptr, nullptr});
    }
    player = MakeCharacter({0.0f, 0.0f}, CollisionGroup::PLAYER);
    registry.GetObjects(RegistryType::PLAYERS).push_back(player);
    // Walls across the area, so that some sight rays end on them.
    for (int index = -2; index <= 2; ++index)
      AddWall({static_cast<float>(index) * half * 0.4f, half * 0.5f}, {20.0f, half * 0.6f});
    for (Agent* agent : agentComponents)
      agent->Synchronize();
    const Handle<Kinematic> target = player->GetComponent<Agent>()->GetKinematic();
    for (Steered& steered : agents)
    {
      const Handle<Kinematic> character = steered.object->GetComponent<Agent>()->GetKinematic();
      steered.blend = std::make_unique<BlendedSteering>(space.get(), character);
      steered.separation = steered.blend->AddBehavior<Separation>(3.0f);
      steered.separation->threshold = 250.0f;
      steered.blend->AddBehavior<Wander>(1.0f);
      steered.blend->AddBehavior<Seek>(2.0f)->SetTarget(target);
    }
  }

  ~SteeringScene()
  {
    agents.clear();
    space->UnloadLevel();
    space.reset();
    events.ProcessQueue();
    Registry::SetInstance(nullptr);
    EventManager::SetInstance(nullptr);
  }

  // Steering for every agent, queued to it as the controllers do.
  void Steer()
  {
    for (Steered& steered : agents)
    {
      steered.separation->SetNeighbours(steered.aiming->GetAllyKinematics());
      const SteeringOutput output = steered.blend->GetSteering();
      events.QueueEvent(
          MemoryManager::New<UpdateSteering>(BRINDLE_SITE, steered.object->GetId(), output.linear, output.angular));
    }
  }

  int Look()
  {
    int seen = 0;
    for (Steered& steered : agents)
      seen += steered.aiming->CanSee(&player) ? 1 : 0;
    return seen;
  }

  void Physics() { space->GetPhysics().Update(FrameStep); }

  // The frame's events for the space: the agents apply and read back.
  void Dispatch()
  {
    events.SendEvent(MemoryManager::New<UpdateEvent>(BRINDLE_SITE, space->GetId(), FrameStep));
    events.ProcessQueue();
    events.SendEvent(MemoryManager::New<PostUpdateEvent>(BRINDLE_SITE, space->GetId(), FrameStep));
    events.ProcessQueue();
  }

private:
  struct Steered
  {
    Handle<GameObject> object;
    AimingModule* aiming;
    std::unique_ptr<BlendedSteering> blend;
    Separation* separation = nullptr;
  };

  template <typename T>
  T* Attach(const Handle<GameObject>& object)
  {
    auto* component = MemoryManager::New<T>(BRINDLE_SITE);
    object->AttachComponent(component);
    return component;
  }

  Handle<GameObject> MakeCharacter(glm::vec2 at, CollisionGroup group)
  {
    Handle<GameObject> object = MakeBenchObject(at, space.get(), objects);
    space->AddObject(object);
    Attach<Rigidbody>(object)->OnAwake();
    auto* circle = Attach<CircleCollider>(object);
    circle->radius = 16.0f;
    circle->group = group;
    circle->OnAwake();
    auto* agent = Attach<Agent>(object);
    agent->OnAwake();
    agentComponents.push_back(agent);
    return object;
  }

  void AddWall(glm::vec2 centre, glm::vec2 size)
  {
    Handle<GameObject> wall = MakeBenchObject(centre, space.get(), objects);
    space->AddObject(wall);
    auto* rectangle = Attach<RectangleCollider>(wall);
    rectangle->SetSize(size.x, size.y);
    rectangle->group = CollisionGroup::WALL;
    rectangle->mapFlag = true;
    rectangle->OnAwake();
  }

  EventManager events;
  Registry registry;
  std::unique_ptr<Space> space;
  std::vector<Handle<GameObject>> objects;
  std::vector<Agent*> agentComponents;
  std::vector<Steered> agents;
  Handle<GameObject> player;
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
    const auto start = std::chrono::steady_clock::now();
    scene.Physics();
    const auto steerStart = std::chrono::steady_clock::now();
    scene.Steer();
    const auto lookStart = std::chrono::steady_clock::now();
    seen = scene.Look();
    const auto dispatchStart = std::chrono::steady_clock::now();
    scene.Dispatch();
    const auto end = std::chrono::steady_clock::now();
    physicsSeconds += SecondsOf(steerStart - start);
    steeringSeconds += SecondsOf(lookStart - steerStart);
    raySeconds += SecondsOf(dispatchStart - lookStart);
    dispatchSeconds += SecondsOf(end - dispatchStart);
  }
  const double frames = static_cast<double>(state.iterations());
  state.counters["agents"] = static_cast<double>(state.range(0));
  state.counters["seen"] = seen;
  state.counters["physics_us"] = physicsSeconds * 1e6 / frames;
  state.counters["steering_us"] = steeringSeconds * 1e6 / frames;
  state.counters["rays_us"] = raySeconds * 1e6 / frames;
  state.counters["agent_events_us"] = dispatchSeconds * 1e6 / frames;
  state.counters["ai_vs_physics"] = physicsSeconds > 0 ? (steeringSeconds + raySeconds + dispatchSeconds) / physicsSeconds : 0;
}
BENCHMARK(AISteering)->Arg(100)->Arg(400)->Unit(benchmark::kMicrosecond);
}  // namespace
