// World matrices of transform hierarchies, component lookups and object creation.
//
// Ratios to read: WorldPositions/5 against WorldPositions/1 (what depth costs), WorldPositions/5
// against RawMatrixChain (what the transform adds to the bare 3x3 products). ComponentLookup/0
// and /1 set GetComponent<T> (by type id) and GetComponent(name) against a cached pointer, timed
// in the same iterations (lookup_vs_cached). CreateObjects10000 makes 10,000 objects from a prefab
// of five components and wakes them, 2,000 at a time (us_per_object; destroy_us_per_object for
// their teardown).
#include "core/EventManager.h"
#include "core/MemoryManager.h"
#include "Versus.h"

#include "app/AllComponents.h"
#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/GameobjectFactory.h"
#include "object/Space.h"
#include "object/TimedDestruction.h"
#include "object/Transform.h"
#include "physics/CircleCollider.h"
#include "physics/Rigidbody.h"
#include "physics/RotationLock.h"
#include "render/Light.h"
#include "render/Sprite.h"

#include <benchmark/benchmark.h>

#include <glm/mat3x3.hpp>
#include <memory>
#include <string>
#include <vector>

namespace
{
constexpr int ObjectCount = 1000;

// A stand-in for the other components an object carries, so lookups search a realistic map.
class FillerComponent : public Component
{
public:
  explicit FillerComponent(std::uint32_t typeId) : Component(typeId) {}
};

// The event manager and the objects of one benchmark run.
class Scene
{
public:
  Scene() : events(std::make_unique<EventManager>())
  {
    MemoryManager::Instance();
    EventManager::SetInstance(events.get());
  }
  ~Scene()
  {
    for (Handle<GameObject>& object : objects)
      GameObject::Destroy(object);
    EventManager::SetInstance(nullptr);
  }

  Transform* AddObject(Transform* parent, int index)
  {
    objects.push_back(MemoryManager::NewHandle<GameObject>(BRINDLE_SITE, std::string("Bench"), nullptr));
    Handle<GameObject>& object = objects.back();
    object->SetHandle(object);
    auto* transform = static_cast<Transform*>(object->AttachComponent(MemoryManager::New<Transform>(BRINDLE_SITE)));
    transform->SetPosition(glm::vec2(static_cast<float>(index % 17), static_cast<float>(index % 5)));
    transform->SetRotation(0.01f * static_cast<float>(index % 31));
    if (parent != nullptr)
      transform->AttachToParent(parent);
    return transform;
  }

  std::vector<Handle<GameObject>> objects;

private:
  std::unique_ptr<EventManager> events;
};

// 1,000 objects in chains `depth` deep; every one's world position is asked for.
void WorldPositions(benchmark::State& state)
{
  const int depth = static_cast<int>(state.range(0));
  Scene scene;
  std::vector<Transform*> transforms;
  for (int index = 0; index < ObjectCount; ++index)
    transforms.push_back(scene.AddObject(index % depth == 0 ? nullptr : transforms.back(), index));
  for (auto _ : state)
  {
    glm::vec2 sum(0.0f);
    for (Transform* transform : transforms)
      sum += transform->GetWorldPosition();
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() * ObjectCount);
}
BENCHMARK(WorldPositions)->Arg(1)->Arg(5);

// The same products over plain matrices: the floor under WorldPositions/5.
void RawMatrixChain(benchmark::State& state)
{
  constexpr int Depth = 5;
  std::vector<glm::mat3> locals(ObjectCount, glm::mat3(1.0f));
  for (int index = 0; index < ObjectCount; ++index)
    locals[index][2] = glm::vec3(static_cast<float>(index % 17), static_cast<float>(index % 5), 1.0f);
  for (auto _ : state)
  {
    glm::vec2 sum(0.0f);
    for (int index = 0; index < ObjectCount; ++index)
    {
      glm::mat3 world = locals[index];
      for (int ancestor = index - 1; ancestor >= index - index % Depth; --ancestor)
        world = locals[ancestor] * world;
      sum += glm::vec2(world[2][0], world[2][1]);
    }
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() * ObjectCount);
}
BENCHMARK(RawMatrixChain);

// Objects with a Transform and eleven other components, as a typical enemy has.
Scene* LookupScene()
{
  auto* scene = new Scene();
  for (int index = 0; index < ObjectCount; ++index)
  {
    scene->AddObject(nullptr, index);
    for (const std::uint32_t typeId : {COMP_Agent, COMP_Sprite, COMP_Rigidbody, COMP_AIController, COMP_Health,
                                       COMP_Team, COMP_AimingModule, COMP_CircleCollider, COMP_Equipment,
                                       COMP_CharacterAnimator, COMP_ArmAnimator})
      scene->objects.back()->AttachComponent(MemoryManager::New<FillerComponent>(BRINDLE_SITE, typeId));
  }
  return scene;
}

// Five lookups per object, of which four find something: by type id (/0) or by name (/1).
void ComponentLookup(benchmark::State& state)
{
  std::unique_ptr<Scene> scene(LookupScene());
  const bool byName = state.range(0) != 0;
  const std::vector<std::string> names = {"Transform", "Sprite", "Rigidbody", "CircleCollider", "Light"};
  int found = 0;
  TimeAgainst(
      state, "lookup", "cached", ObjectCount * 5.0,
      [&] {
        for (Handle<GameObject>& object : scene->objects)
          for (int repeat = 0; repeat < 5; ++repeat)
            found += object->GetTransform() != nullptr ? 1 : 0;
        benchmark::DoNotOptimize(found);
      },
      [&] {
        for (Handle<GameObject>& object : scene->objects)
        {
          if (byName)
          {
            for (const std::string& name : names)
              found += object->GetComponent(name) != nullptr ? 1 : 0;
          }
          else
          {
            // The typed lookup's search without its cast: the fillers are not of the types looked up.
            found += object->GetComponentById(Transform::TypeId) != nullptr ? 1 : 0;
            found += object->GetComponentById(Sprite::TypeId) != nullptr ? 1 : 0;
            found += object->GetComponentById(Rigidbody::TypeId) != nullptr ? 1 : 0;
            found += object->GetComponentById(CircleCollider::TypeId) != nullptr ? 1 : 0;
            found += object->GetComponentById(Light::TypeId) != nullptr ? 1 : 0;
          }
        }
        benchmark::DoNotOptimize(found);
      });
}
BENCHMARK(ComponentLookup)->Arg(0)->Arg(1)->UseManualTime();

// 10,000 objects made from one prefab of five components on a grid and woken, in five rounds of
// 2,000 (object ids, which are event channels, run out near 7,000 live objects); three of the
// components subscribe to the space's updates, so that list grows to 6,000. The level is unloaded
// after each round, outside the timing.
void CreateObjects10000(benchmark::State& state)
{
  constexpr int Rounds = 5;
  constexpr int PerRound = 2000;
  MemoryManager::Instance();
  auto events = std::make_unique<EventManager>();
  EventManager::SetInstance(events.get());
  {
    GameobjectFactory factory;
    GameobjectFactory::SetInstance(&factory);
    factory.SetComponentRegistrar(RegisterAllComponents);
    factory.Initialize();
    Json::Value prefab(Json::objectValue);
    for (const char* type : {"Transform", "Rigidbody", "CircleCollider", "RotationLock", "TimedDestruction"})
      prefab[type] = Json::Value(Json::objectValue);
    factory.DefinePrefab("Five", prefab, "bench");
    Space space("Bench");
    double createSeconds = 0;
    double destroySeconds = 0;
    for (auto _ : state)
    {
      double iterationSeconds = 0;
      for (int round = 0; round < Rounds; ++round)
      {
        const auto start = std::chrono::steady_clock::now();
        for (int index = 0; index < PerRound; ++index)
        {
          Handle<GameObject> object;
          factory.CreateGameObjectAt(object, "Five", &space, static_cast<float>(index % 100) * 8.0f,
                                     static_cast<float>(index / 100) * 8.0f, "");
        }
        const auto made = std::chrono::steady_clock::now();
        space.UnloadLevel();
        // One update sweeps the space's list of the subscriptions whose listeners are gone.
        events->SendEvent(MemoryManager::New<UpdateEvent>(BRINDLE_SITE, space.GetId(), 0.0f));
        const auto end = std::chrono::steady_clock::now();
        iterationSeconds += std::chrono::duration<double>(made - start).count();
        destroySeconds += std::chrono::duration<double>(end - made).count();
      }
      createSeconds += iterationSeconds;
      state.SetIterationTime(iterationSeconds);
    }
    const double objects = static_cast<double>(state.iterations()) * Rounds * PerRound;
    state.counters["us_per_object"] = createSeconds * 1e6 / objects;
    state.counters["destroy_us_per_object"] = destroySeconds * 1e6 / objects;
    GameobjectFactory::SetInstance(nullptr);
  }
  EventManager::SetInstance(nullptr);
}
BENCHMARK(CreateObjects10000)->UseManualTime()->Unit(benchmark::kMillisecond);
}  // namespace
