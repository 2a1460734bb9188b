#pragma once
// The engine a test runs on. The systems the test asks for come up in the order
// GameSession::Initialize brings the game's up, each published as the session publishes it, and go
// down in the reverse order when the engine goes; the event manager always comes, and with it a
// check that the test gave back every pooled block it took. The random sequence starts afresh.
//   WithRegistry  the registry of object lists
//   WithSound     the sound system on the game's banks, silent, its clock the frames'
//   WithDisplay   the shared hidden window attached to the session, which draws with a 1920 x 1080
//                 view of the world (nothing when there is no display)
//   WithInput     input on fake devices read through the input layer, and the action map with its
//                 default bindings
//   WithFactory   a game-object factory of its own with every component type and no prefabs
//   WithSession   a session without a window of its own, published as main publishes it, its
//                 factory holding the shipped prefabs; the engine stands in as the flow's host (it
//                 counts the ends of the game) and runs the timed setters on the frames' clock
// Frame() runs one frame of the game loop's steps in their order: sound, input, the action map,
// the spaces' management, the timed setters, the physics of the active spaces, the update events
// with their queue passes.
//
// The real program, with a window of its own and the session's own Initialize, is GameScene's.
#include "core/Handle.h"
#include "flow/FlowHost.h"
#include "object/GameObject.h"
#include "support/RecordingAssertHandler.h"
#include "support/TemporaryDirectory.h"

#include <glm/vec2.hpp>
#include <gtest/gtest.h>
#include <json/value.h>

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace ActionSystem
{
class ActionSystem;
}
class EventManager;
class GameobjectFactory;
class GameSession;
class Registry;
class SoundSystem;
class Space;
struct FakeDeviceLog;

class ScopedEngine : public FlowHost
{
public:
  enum Systems : unsigned
  {
    EventsOnly = 0,
    WithRegistry = 1u << 0,
    WithSound = 1u << 1,
    WithDisplay = 1u << 2,
    WithInput = 1u << 3,
    WithFactory = 1u << 4,
    WithSession = 1u << 5,
    // Everything but a window of its own.
    Headless = WithRegistry | WithSound | WithDisplay | WithInput | WithSession,
  };

  static constexpr float FrameStep = 1.0f / 60.0f;

  explicit ScopedEngine(unsigned systems = Headless);
  ~ScopedEngine() override;
  ScopedEngine(const ScopedEngine&) = delete;
  ScopedEngine& operator=(const ScopedEngine&) = delete;

  // One frame of the game loop (see above).
  void Frame(float dt = FrameStep);
  void Frames(int count, float dt = FrameStep);
  // What a scenario looks at after every frame that ran the spaces.
  virtual void AfterFrame() {}

  // The session's factory, or the engine's own.
  GameobjectFactory& Factory() const;

  // --- FlowHost ------------------------------------------------------------------------------
  void EndGame() override { ++gameEnds; }
  bool IsWindowFullscreen() const override { return fullscreen; }
  void SetWindowFullscreen(bool on) override { fullscreen = on; }

  RecordingAssertHandler asserts;
  // The session's GameSettings and EditorSettings.
  TemporaryDirectory settingsFolder;
  EventManager* events = nullptr;
  std::unique_ptr<GameSession> session;
  std::unique_ptr<Registry> registry;
  std::unique_ptr<SoundSystem> sound;
  // The timed setters, published with a session.
  std::unique_ptr<ActionSystem::ActionSystem> actions;
  // What the fake devices were given and did; events pushed here are read by the next frame.
  std::shared_ptr<FakeDeviceLog> devices;
  // The frames' clock, in microseconds; sound and the timed setters read it.
  std::int64_t nowUs = 100000000;
  int gameEnds = 0;
  bool fullscreen = false;

private:
  unsigned systems;
  std::unique_ptr<GameobjectFactory> factory;  // without a session
  std::size_t recordsBefore;
};

// A test on the engine, with what most tests do in it: spaces made live, objects made from prefabs
// (in `space` unless another is named), prefabs of the test's own, levels written for the test.
class EngineTest : public ::testing::Test, public ScopedEngine
{
protected:
  explicit EngineTest(unsigned systems = Headless) : ScopedEngine(systems) {}
  ~EngineTest() override;

  // A space showing the level, adopted into the live ones as the first ManageSpaces of a frame does.
  Space* LiveSpace(const std::string& name, const std::string& level = "testlevel");
  // The live space of that name, or null.
  Space* Live(const std::string& name) const;
  // Writes Assets/LevelFiles/<level>.json with these objects (a JSON array of level records) and
  // loads it into a live space of the same name. A level the game ships comes back after the test.
  Space* Load(const std::string& level, const std::string& objects);

  Handle<GameObject> Make(const std::string& prefab, glm::vec2 at = {0.0f, 0.0f}, const std::string& name = "",
                          Space* in = nullptr);
  // A prefab of the test's own, from its JSON definition.
  void Define(const std::string& prefab, const std::string& json);
  // The JSON value of the text, which must parse.
  static Json::Value Parsed(const std::string& text);

  static Handle<GameObject> Find(Space* in, const std::string& name);
  GameObject* Find(const std::string& spaceName, const std::string& objectName) const;
  template <typename T>
  static T* Get(const Handle<GameObject>& object)
  {
    return object ? object->GetComponent<T>() : nullptr;
  }
  static glm::vec2 PositionOf(const Handle<GameObject>& object);

  Space* space = nullptr;
  // Files the test wrote into the working folder, removed when it ends.
  std::vector<std::string> writtenFiles;

private:
  std::vector<std::pair<std::string, std::string>> overwrittenFiles;  // path, former content
};

// The same, with the systems fixed for a test fixture: EngineTestWith<ScopedEngine::EventsOnly>.
template <unsigned Chosen>
class EngineTestWith : public EngineTest
{
protected:
  EngineTestWith() : EngineTest(Chosen) {}
};

// The live objects of a space made from that prefab, and their number.
std::vector<GameObject*> ObjectsOf(Space& space, const std::string& prefab);
std::size_t CountPrefab(Space& space, const std::string& prefab);
