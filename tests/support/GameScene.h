#pragma once
// The real game on the test display: the session starts windowed on a level of the test program's
// working folder, its input on scripted SDL events, and runs its frames (physics, the update
// events, the queue, the draw). A script is a list of steps; each is called at the end of every
// frame until it says it is done, and the next one follows from the next frame on.
#include "app/GameSession.h"
#include "core/FileUtilities.h"
#include "core/MemoryManager.h"
#include "input/Input.h"
#include "object/GameObject.h"
#include "object/Space.h"
#include "platform/FrameClock.h"
#include "platform/Random.h"
#include "support/CapturedLog.h"
#include "support/FakeInputDevices.h"
#include "support/RecordingAssertHandler.h"
#include "support/ScopedEngine.h"  // ObjectsOf
#include "support/SteppedClock.h"
#include "support/TemporaryDirectory.h"
#include "support/TestEvents.h"

#include <gtest/gtest.h>
#include <imgui.h>
#include <json/json.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

// Levels written by tests into the test program's working folder.
namespace LevelRecord
{
// A level record of one object; `components` maps type names to member objects (or null).
inline Json::Value Object(const std::string& name, const std::string& prefab, glm::vec2 position,
                          const std::string& components = "{}")
{
  Json::Value parsed;
  EXPECT_TRUE(ParseJson(parsed, components, "a test object")) << components;
  parsed["Transform"]["position"][0] = position.x;
  parsed["Transform"]["position"][1] = position.y;
  Json::Value object;
  object["name"] = name;
  object["prefab"] = prefab;
  object["components"] = parsed;
  object["children"] = Json::Value(Json::arrayValue);
  return object;
}

// Assets/LevelFiles/<level>.json holding the objects, numbered in order.
inline void Write(const std::string& level, std::vector<Json::Value> objects)
{
  Json::Value root;
  for (std::size_t index = 0; index < objects.size(); ++index)
  {
    objects[index]["uuid"] = static_cast<int>(index + 1);
    root["level"]["objects"].append(objects[index]);
  }
  EXPECT_TRUE(WriteJsonFile(root, Space::LevelPath(level)));
}
}  // namespace LevelRecord

class GameScene : public ::testing::Test
{
protected:
  using Step = std::function<bool()>;

  void SetUp() override
  {
    if (std::getenv("DISPLAY") == nullptr)
      GTEST_SKIP() << "no display to open the game's window on";
    // Chance plays out the same whatever ran before in the same test program.
    ResetRandom();
  }

  void TearDown() override
  {
    Input::Shutdown();  // in case the session never started
    if (session == nullptr)
      return;
    session->Shutdown();
    session.reset();
    GameSession::SetInstance(nullptr);
  }

  static Json::Value Object(const std::string& name, const std::string& prefab, glm::vec2 position,
                            const std::string& components = "{}")
  {
    return LevelRecord::Object(name, prefab, position, components);
  }

  // Starts the windowed game on the level; without a clock the session keeps real time.
  void Start(const std::string& firstLevel, FrameClock* clock = nullptr)
  {
    settings.Write("GameSettings", R"({"firstLevel": ")" + firstLevel + R"("})");
    settings.Write("EditorSettings", "{}");
    devices->readDisplay = false;
    Input::Init(std::make_unique<FakeInputDevices>(devices));
    session = std::make_unique<GameSession>(MemoryManager::Instance(), clock, settings.Prefix());
    GameSession::SetInstance(session.get());
    session->SetWindowedStart();
    ASSERT_TRUE(session->Initialize());
    ImGui::GetIO().IniFilename = nullptr;
  }

  // Runs the started game through the script, for at most `frames` frames.
  void Play(std::vector<Step> script, int frames)
  {
    std::size_t step = 0;
    session->SetFrameObserver([&] {
      if (step < script.size() && script[step]())
        ++step;
      if (step == script.size())
        session->StopAll();
    });
    session->QuitAfterFrames(frames);
    session->Run();
    EXPECT_EQ(step, script.size()) << "the script stopped at this step";
  }

  // A step that waits this many frames.
  static Step Wait(int frames)
  {
    auto left = std::make_shared<int>(frames);
    return [left] { return --*left <= 0; };
  }
  // A step that holds the key down until `done` holds after a frame, then lets it go.
  Step HoldUntil(SDL_Keycode key, std::function<bool()> done)
  {
    auto down = std::make_shared<bool>(false);
    return [this, key, done, down] {
      if (!std::exchange(*down, true))
        return Press(key), false;
      return done() ? (Release(key), true) : false;
    };
  }
  Step Hold(SDL_Keycode key, int frames)
  {
    auto left = std::make_shared<int>(frames);
    return HoldUntil(key, [left] { return --*left <= 0; });
  }
  // A step that presses the key for one frame.
  Step Tap(SDL_Keycode key) { return Hold(key, 1); }

  // Read by the next frame's input pump.
  void Script(const SDL_Event& event) { devices->events.push_back(event); }
  void Press(SDL_Keycode key) { Script(TestEvents::Key(key, true)); }
  void Release(SDL_Keycode key) { Script(TestEvents::Key(key, false)); }

  static GameObject* Find(Space& space, const std::string& name) { return space.GetObjectNamed(name).Get(); }

  CapturedLog output;
  RecordingAssertHandler asserts;
  TemporaryDirectory settings;
  std::shared_ptr<FakeDeviceLog> devices = std::make_shared<FakeDeviceLog>();
  std::unique_ptr<GameSession> session;
};
