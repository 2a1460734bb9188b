#include "BenchScene.h"

#include "app/AllComponents.h"
#include "core/EventManager.h"
#include "core/MemoryManager.h"
#include "object/GameObject.h"
#include "object/GameobjectFactory.h"
#include "object/ObjectEvents.h"
#include "object/PrefabFiles.h"
#include "object/Registry.h"
#include "object/Space.h"
#include "object/Transform.h"
#include "physics/PhysicsModule.h"
#include "physics/RectangleCollider.h"
#include "platform/Assert.h"
#include "render/ResourceManagerTwo.h"

#include <iostream>
#include <time.h>  // Required for: clock_gettime

double SecondsOf(const std::chrono::steady_clock::duration& duration)
{
  return std::chrono::duration<double>(duration).count();
}

double ThreadSeconds()
{
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

namespace
{
BenchRenderer* openRenderer = nullptr;

// A failed check in a benchmark is written out and the run goes on: under Xvfb there is a
// display, and a message box would wait for a click that never comes.
const bool checksWrittenOut = [] {
  SetAssertHandler([](const AssertReport& report) { std::cerr << "[CHECK] " << report.text << std::endl; });
  return true;
}();
// Every space a benchmark makes gets its physics module, as the session gives the game's spaces.
const bool physicsInstalled = (SpacePhysics::SetMaker(PhysicsModule::Make), true);
}

BenchRenderer::~BenchRenderer()
{
  Close();
}

bool BenchRenderer::Open()
{
  if (openRenderer != nullptr)
    openRenderer->Close();
  if (!window.OpenHidden(1280, 720, failure))
    return false;
  ResourceManagerTwo::LoadResources("Assets\\RESOURCES.json");
  graphics = std::make_unique<Graphics::Graphics>();
  graphics->AttachWindow(&window);
  graphics->Initialize();
  openRenderer = this;
  return true;
}

void BenchRenderer::Close()
{
  if (graphics == nullptr)
    return;
  graphics.reset();
  ResourceManagerTwo::UnloadAll();
  openRenderer = nullptr;
}

bool BenchRenderer::SkipWithoutGl(benchmark::State& state) const
{
  if (graphics != nullptr)
    return false;
  state.SkipWithError(("No OpenGL context, skipped: " + failure).c_str());
  return true;
}

Handle<GameObject> MakeBenchObject(glm::vec2 position, Space* space, std::vector<Handle<GameObject>>& objects)
{
  Handle<GameObject> object = MemoryManager::NewHandle<GameObject>(BRINDLE_SITE, std::string("Bench"), space);
  object->SetHandle(object);
  auto* transform = MemoryManager::New<Transform>(BRINDLE_SITE);
  object->AttachComponent(transform);
  transform->SetPosition(position);
  objects.push_back(object);
  return object;
}

void DestroyBenchObjects(std::vector<Handle<GameObject>>& objects, PhysicsModule& physics)
{
  for (Handle<GameObject>& object : objects)
  {
    physics.RemoveObject(object->GetId());
    GameObject::Destroy(object);
  }
}

QuietOutput::QuietOutput() : silenced(std::cout.rdbuf(text.rdbuf()))
{
  previousSink = SetLogSink([this](LogLevel level, const std::string& line) {
    text << line << '\n';
    if (level != LogLevel::Plain && echoProblems)
      std::cerr << line << std::endl;
  });
}

QuietOutput::~QuietOutput()
{
  SetLogSink(previousSink);
  std::cout.rdbuf(silenced);
}

BenchWorld::BenchWorld(const std::string& prefabFolder) : events(std::make_unique<EventManager>())
{
  MemoryManager::Instance();
  EventManager::SetInstance(events.get());
  factory = std::make_unique<GameobjectFactory>();
  GameobjectFactory::SetInstance(factory.get());
  registry = std::make_unique<Registry>();
  Registry::SetInstance(registry.get());
  (prefabFolder.empty() ? PrefabFiles() : PrefabFiles(prefabFolder)).Install(*factory);
  factory->SetComponentRegistrar(RegisterAllComponents);
  factory->Initialize();
  space = std::make_unique<Space>("Bench");
  events->Subscribe<Space, GameObjectCleanupEvent>(space.get(), space->GetId());
}

Handle<GameObject> BenchWorld::Make(const std::string& prefab, glm::vec2 position)
{
  Handle<GameObject> object;
  factory->CreateGameObjectAt(object, prefab, space.get(), position.x, position.y, "");
  return object;
}

void BenchWorld::MakeWall(glm::vec2 centre, glm::vec2 size)
{
  Handle<GameObject> wall;
  factory->NewGameObject(wall, "RangeWall", space.get(), "Wall");
  wall->GetTransform()->SetPosition(centre);
  wall->GetComponent<RectangleCollider>()->SetSize(size.x, size.y);
  factory->InitializeComponents(wall);
}

BenchWorld::~BenchWorld()
{
  space->UnloadLevel();
  space.reset();
  Registry::SetInstance(nullptr);
  registry.reset();
  GameobjectFactory::SetInstance(nullptr);
  factory.reset();
  EventManager::SetInstance(nullptr);
  events.reset();
}
