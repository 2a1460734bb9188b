// The physics of a real space against Box2D 2.4.1 on the same scene, timed in the same iterations
// on this thread's processor time: N bodies (three circles to every box, all moving) with a few
// static pillars in a walled square, at one body per 90 x 90 units, one 1/120 s sub-step per
// iteration. Our bodies are made by the game-object factory, so that their transforms, colliders
// and the space are wired as a level's are; the queued collision events are delivered between
// iterations, untimed, as the frame does after the physics.
//
// Each run steps the scene through the same stretch of its life (a fixed number of steps from
// the same start): bodies that bump without bouncing slowly gather in clumps, so the contacts per
// step, and the work, grow the longer a scene runs, and a run that stopped wherever the timer let
// it would report a different scene each time.
//
// Run: build/bench/brindle_bench --benchmark_filter=PhysicsInSpace
#include "BenchScene.h"
#include "Box2DScene.h"

#include "core/EventManager.h"
#include "object/GameObject.h"
#include "object/GameobjectFactory.h"
#include "object/Space.h"
#include "object/Transform.h"
#include "physics/CircleCollider.h"
#include "physics/PhysicsModule.h"
#include "physics/RectangleCollider.h"
#include "physics/Rigidbody.h"

#include <benchmark/benchmark.h>
#include <json/json.h>

#include <cmath>
#include <random>
#include <sstream>

namespace
{
constexpr float AreaPerBody = 90.0f * 90.0f;
constexpr int BodiesPerPillar = 40;
constexpr float PillarSize = 60.0f;
constexpr float WallThickness = 200.0f;

const char* const BallPrefab = R"({"Transform": null, "Rigidbody": null, "CircleCollider": {"group": "ENEMY"}})";
const char* const CratePrefab = R"({"Transform": null, "Rigidbody": null, "RectangleCollider": {"group": "ENEMY"}})";

class SpacePhysicsScene : public BenchWorld
{
public:
  SpacePhysicsScene(int bodyCount, Box2DScene& twin)
  {
    Define("BenchBall", BallPrefab);
    Define("BenchCrate", CratePrefab);
    module = PhysicsModule::Of(space.get());
    const float half = 0.5f * std::sqrt(AreaPerBody * static_cast<float>(bodyCount));
    std::mt19937 random(2024);
    std::uniform_real_distribution<float> unit(0.0f, 1.0f);
    auto anywhere = [&]() { return glm::vec2((unit(random) * 2 - 1) * half, (unit(random) * 2 - 1) * half); };
    for (int index = 0; index < bodyCount; ++index)
    {
      const glm::vec2 position = anywhere();
      const glm::vec2 velocity{(unit(random) * 2 - 1) * 150.0f, (unit(random) * 2 - 1) * 150.0f};
      if (index % 4 == 3)
      {
        const glm::vec2 size{20.0f + 30.0f * unit(random), 20.0f + 30.0f * unit(random)};
        const float rotation = 6.2831853f * unit(random);
        Handle<GameObject> crate = Make("BenchCrate", position);
        crate->GetTransform()->SetRotation(rotation);
        crate->GetComponent<RectangleCollider>()->SetSize(size.x, size.y);
        crate->GetComponent<Rigidbody>()->velocity = velocity;
        twin.AddBox(position, size, rotation, velocity);
      }
      else
      {
        const float radius = 10.0f + 20.0f * unit(random);
        Handle<GameObject> ball = Make("BenchBall", position);
        ball->GetComponent<CircleCollider>()->radius = radius;
        ball->GetComponent<Rigidbody>()->velocity = velocity;
        twin.AddCircle(position, radius, velocity);
      }
    }
    for (int index = 0; index < bodyCount / BodiesPerPillar; ++index)
    {
      const glm::vec2 centre = anywhere();
      MakeWall(centre, {PillarSize, PillarSize});
      twin.AddWall(centre, {PillarSize, PillarSize});
    }
    const float reach = half + WallThickness / 2;
    const glm::vec2 wallCentres[4] = {{reach, 0}, {0, reach}, {-reach, 0}, {0, -reach}};
    const glm::vec2 across{WallThickness, 2 * half + 2 * WallThickness};
    const glm::vec2 along{2 * half + 2 * WallThickness, WallThickness};
    for (int index = 0; index < 4; ++index)
    {
      MakeWall(wallCentres[index], index % 2 == 0 ? across : along);
      twin.AddWall(wallCentres[index], index % 2 == 0 ? across : along);
    }
    events->ProcessQueue();
  }

  void Step() { module->Step(module->timer.stepTime, 1); }

  PhysicsModule* module = nullptr;

private:
  void Define(const std::string& name, const char* definition)
  {
    Json::Value parsed;
    std::istringstream(definition) >> parsed;
    factory->DefinePrefab(name, parsed, "bench");
  }
};

void PhysicsInSpace(benchmark::State& state)
{
  const int bodyCount = static_cast<int>(state.range(0));
  Box2DScene box2d(1.0f / 120.0f);
  SpacePhysicsScene scene(bodyCount, box2d);
  for (int warmUp = 0; warmUp < 30; ++warmUp)
  {
    box2d.Step();
    scene.Step();
    scene.events->ProcessQueue();
  }
  double box2dSeconds = 0;
  double ourSeconds = 0;
  double contacts = 0;
  double box2dContacts = 0;
  for (auto _ : state)
  {
    const double start = ThreadSeconds();
    box2d.Step();
    const double middle = ThreadSeconds();
    scene.Step();
    const double end = ThreadSeconds();
    box2dSeconds += middle - start;
    ourSeconds += end - middle;
    state.SetIterationTime(end - middle);
    contacts += static_cast<double>(scene.module->GetContacts().Size());
    box2dContacts += box2d.TouchingContacts();
    scene.events->ProcessQueue();
  }
  const double iterations = static_cast<double>(state.iterations());
  state.counters["bodies"] = bodyCount;
  state.counters["physics_vs_box2d"] = box2dSeconds > 0 ? ourSeconds / box2dSeconds : 0;
  state.counters["physics_us"] = ourSeconds * 1e6 / iterations;
  state.counters["box2d_us"] = box2dSeconds * 1e6 / iterations;
  // Mean pairs pushed apart per step, ours and Box2D's touching ones: the same scene should give
  // about the same number.
  state.counters["contacts"] = contacts / iterations;
  state.counters["box2d_contacts"] = box2dContacts / iterations;
}
BENCHMARK(PhysicsInSpace)->Arg(1000)->Iterations(2000)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(PhysicsInSpace)->Arg(5000)->Iterations(400)->UseManualTime()->Unit(benchmark::kMicrosecond);
}  // namespace
