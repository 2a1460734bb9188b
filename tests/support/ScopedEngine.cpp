#include "support/ScopedEngine.h"

#include "app/AllComponents.h"
#include "app/GameSession.h"
#include "audio/SoundSystem.h"
#include "core/EventManager.h"
#include "core/MemoryManager.h"
#include "flow/actions/ActionSystem.h"
#include "input/Input.h"
#include "input/InputActionMap.h"
#include "object/GameobjectFactory.h"
#include "object/PrefabFiles.h"
#include "object/Registry.h"
#include "object/Space.h"
#include "object/Transform.h"
#include "physics/PhysicsModule.h"
#include "platform/Random.h"
#include "support/FakeInputDevices.h"
#include "support/HeadlessGl.h"

#include <glm/gtc/matrix_transform.hpp>  // Required for: glm::ortho
#include <gtest/gtest.h>
#include <json/json.h>

#include <filesystem>
#include <fstream>
#include <iterator>

ScopedEngine::ScopedEngine(unsigned systems)
    : devices(std::make_shared<FakeDeviceLog>()),
      systems(systems),
      recordsBefore(MemoryManager::Instance()->RecordCount())
{
  // Chance plays out the same whatever ran before in the same test program.
  ResetRandom();
  // The session is made first, as main makes it before anything starts.
  if (systems & WithSession)
  {
    session = std::make_unique<GameSession>(MemoryManager::Instance(), nullptr, settingsFolder.Prefix());
    GameSession::SetInstance(session.get());
  }
  // From here on the order of GameSession::Initialize.
  events = new EventManager();
  EventManager::SetInstance(events);
  if (systems & WithRegistry)
  {
    registry = std::make_unique<Registry>();
    Registry::SetInstance(registry.get());
  }
  if (systems & WithSound)
  {
    Studio::System::SetHeadlessClock([this] { return nowUs; });
    sound = std::make_unique<SoundSystem>();
    SoundSystem::SetInstance(sound.get());
  }
  if ((systems & WithDisplay) && session != nullptr && HeadlessGl::Get() != nullptr)
  {
    session->AttachWindow(HeadlessGl::Get());
    session->projection = glm::ortho(-960.0f, 960.0f, -540.0f, 540.0f, 1.0f, -5.0f);
  }
  if (systems & WithInput)
  {
    // The events come only from the devices: the shared display's pointer and focus never reach
    // the test.
    devices->readDisplay = false;
    Input::Init(std::make_unique<FakeInputDevices>(devices));
    InputActionMap::Init();
    InputActionMap::InitDefaultBindings();
  }
  if (session != nullptr)
  {
    PrefabFiles().Install(session->GetFactory());
    session->GetFactory().Initialize();
    // The timed setters run on the frames' clock, and the engine hears the game's end.
    actions = std::make_unique<ActionSystem::ActionSystem>([this] { return static_cast<float>(nowUs) / 1e6f; });
    ActionSystem::ActionSystem::SetInstance(actions.get());
    FlowHost::SetInstance(this);
  }
  else if (systems & WithFactory)
  {
    factory = std::make_unique<GameobjectFactory>();
    GameobjectFactory::SetInstance(factory.get());
    factory->SetComponentRegistrar(RegisterAllComponents);
    factory->Initialize();
  }
}

ScopedEngine::~ScopedEngine()
{
  // The spaces go while every system they use is still there.
  if (session != nullptr)
  {
    session->UnloadAllSpaces();
    FlowHost::SetInstance(nullptr);
    ActionSystem::ActionSystem::SetInstance(nullptr);
    actions.reset();
  }
  if (factory != nullptr)
  {
    factory->ClearPrefabs();
    GameobjectFactory::SetInstance(nullptr);
    factory.reset();
  }
  if (systems & WithInput)
  {
    InputActionMap::Shutdown();
    Input::Shutdown();
  }
  if (sound != nullptr)
  {
    SoundSystem::SetInstance(nullptr);
    sound.reset();
    Studio::System::SetHeadlessClock({});
  }
  if (registry != nullptr)
  {
    Registry::SetInstance(nullptr);
    registry.reset();
  }
  // As main ends: the systems go first, the session after them.
  session.reset();
  if (systems & WithSession)
    GameSession::SetInstance(nullptr);
  events->ProcessQueue();
  EventManager::SetInstance(nullptr);
  delete events;
  EXPECT_EQ(MemoryManager::Instance()->RecordCount(), recordsBefore) << "pooled objects were left behind";
}

void ScopedEngine::Frame(float dt)
{
  if (sound != nullptr)
    sound->Update();
  if (Input* input = Input::Instance())
    input->Update();
  if (InputActionMap* actionMap = InputActionMap::Instance())
    actionMap->Update(dt);
  if (session != nullptr)
    session->ManageSpaces();
  nowUs += static_cast<std::int64_t>(dt * 1e6f);
  if (actions != nullptr)
    actions->Update();
  if (session == nullptr)
    return;
  for (const auto& [name, space] : session->GetSpaces())
    if (space->IsActive())
      PhysicsModule::Of(space)->Update(dt);
  session->DispatchUpdateEvents(dt);
  AfterFrame();
}

void ScopedEngine::Frames(int count, float dt)
{
  for (int frame = 0; frame < count; ++frame)
    Frame(dt);
}

GameobjectFactory& ScopedEngine::Factory() const
{
  return session != nullptr ? session->GetFactory() : *factory;
}

// --- EngineTest ----------------------------------------------------------------------------------

EngineTest::~EngineTest()
{
  if (session != nullptr)
    session->UnloadAllSpaces();
  for (const std::string& path : writtenFiles)
    std::filesystem::remove(path);
  for (const auto& [path, content] : overwrittenFiles)
    std::ofstream(path, std::ios::binary) << content;
}

Space* EngineTest::LiveSpace(const std::string& name, const std::string& level)
{
  Space* made = session->GetSpace(name, level);
  session->ManageSpaces();
  return made;
}

Space* EngineTest::Live(const std::string& name) const
{
  const auto found = session->GetSpaces().find(name);
  return found != session->GetSpaces().end() ? found->second : nullptr;
}

Space* EngineTest::Load(const std::string& level, const std::string& objects)
{
  const std::string path = Space::LevelPath(level);
  if (std::ifstream shipped{path, std::ios::binary})
    overwrittenFiles.emplace_back(path, std::string(std::istreambuf_iterator<char>(shipped), {}));
  else
    writtenFiles.push_back(path);
  std::ofstream(path) << R"({"level": {"objects": )" << objects << "}}";
  return LiveSpace(level, level);
}

Handle<GameObject> EngineTest::Make(const std::string& prefab, glm::vec2 at, const std::string& name, Space* in)
{
  Handle<GameObject> object;
  Factory().CreateGameObjectAt(object, prefab, in != nullptr ? in : space, at.x, at.y, name.empty() ? prefab : name);
  return object;
}

void EngineTest::Define(const std::string& prefab, const std::string& json)
{
  Factory().DefinePrefab(prefab, Parsed(json), "test");
}

Json::Value EngineTest::Parsed(const std::string& text)
{
  Json::Value value;
  EXPECT_TRUE(Json::Reader().parse(text, value)) << text;
  return value;
}

Handle<GameObject> EngineTest::Find(Space* in, const std::string& name)
{
  const auto found = in->FindObjectByName(name);
  return found == in->ObjectsEnd() ? Handle<GameObject>() : found->second;
}

GameObject* EngineTest::Find(const std::string& spaceName, const std::string& objectName) const
{
  Space* in = Live(spaceName);
  return in != nullptr ? Find(in, objectName).Get() : nullptr;
}

glm::vec2 EngineTest::PositionOf(const Handle<GameObject>& object)
{
  return object.IsValid() ? object->GetTransform()->GetWorldPosition() : glm::vec2(0.0f, 0.0f);
}

std::vector<GameObject*> ObjectsOf(Space& space, const std::string& prefab)
{
  std::vector<GameObject*> found;
  for (const auto& [id, handle] : space.GetObjectsById())
  {
    if (GameObject* object = handle.Get(); object != nullptr && object->GetPrefabName() == prefab)
      found.push_back(object);
  }
  return found;
}

std::size_t CountPrefab(Space& space, const std::string& prefab)
{
  return ObjectsOf(space, prefab).size();
}
