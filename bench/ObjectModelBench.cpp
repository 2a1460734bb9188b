// World matrices of transform hierarchies and component lookup by type name.
//
// Ratios to read: WorldPositions/5 against WorldPositions/1 (what depth costs), WorldPositions/5
// against RawMatrixChain (what the transform adds to the bare 3x3 products), and
// ComponentByName against CachedTransform (a name lookup against a cached pointer).
#include "core/EventManager.h"
#include "core/MemoryManager.h"
#include "object/GameObject.h"
#include "object/GameobjectFactory.h"
#include "object/Transform.h"

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

void ComponentByName(benchmark::State& state)
{
  std::unique_ptr<Scene> scene(LookupScene());
  const std::vector<std::string> names = {"Transform", "Sprite", "Rigidbody", "Health", "Light"};
  for (auto _ : state)
  {
    int found = 0;
    for (Handle<GameObject>& object : scene->objects)
    {
      for (const std::string& name : names)
        found += object->GetComponent(name) != nullptr ? 1 : 0;
    }
    benchmark::DoNotOptimize(found);
  }
  state.SetItemsProcessed(state.iterations() * ObjectCount * 5);
}
BENCHMARK(ComponentByName);

void CachedTransform(benchmark::State& state)
{
  std::unique_ptr<Scene> scene(LookupScene());
  for (auto _ : state)
  {
    int found = 0;
    for (Handle<GameObject>& object : scene->objects)
    {
      for (int repeat = 0; repeat < 5; ++repeat)
        found += object->GetTransform() != nullptr ? 1 : 0;
    }
    benchmark::DoNotOptimize(found);
  }
  state.SetItemsProcessed(state.iterations() * ObjectCount * 5);
}
BENCHMARK(CachedTransform);
}  // namespace
