#pragma once
// The real game on the test display with the player in it: the test writes a level, the session
// runs it frame by frame (physics, the update events, the queue, the draw) at exactly 120 frames a
// second of a clock that moves only as the loop reads it, and the player is driven through the
// input layer with scripted SDL events. A script is a list of steps; each is called at the end of
// every frame until it says it is done, and the next one follows from the next frame on.
#include "app/GameSession.h"
#include "core/FileUtilities.h"
#include "core/MemoryManager.h"
#include "input/Input.h"
#include "object/GameObject.h"
#include "object/Space.h"
#include "object/Transform.h"
#include "platform/FrameClock.h"
#include "support/CapturedOutput.h"
#include "support/FakeInputDevices.h"
#include "support/TemporaryDirectory.h"
#include "support/TestEvents.h"

#include <gtest/gtest.h>
#include <imgui.h>
#include <json/json.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class PlayerScene : public ::testing::Test
{
protected:
  static constexpr float Frame = 1.0f / 120.0f;
  static constexpr const char* Level = "playground";

  // Time moves by a microsecond a reading and by whole sleeps, so every frame lasts the 1/120 s
  // the loop waits for.
  class MicrosecondClock : public FrameClock
  {
  public:
    std::int64_t NowUs() override { return ++now; }
    void Sleep(std::int64_t milliseconds) override { now += milliseconds * 1000; }
    std::int64_t now = 0;
  };

  using Step = std::function<bool()>;

  void SetUp() override
  {
    if (std::getenv("DISPLAY") == nullptr)
      GTEST_SKIP() << "no display to open the game's window on";
  }

  void TearDown() override
  {
    Input::Shutdown();
    if (session == nullptr)
      return;
    session->Shutdown();
    session.reset();
    GameSession::SetInstance(nullptr);
  }

  // One object of a level: a prefab at a position with members of its own (a JSON object).
  static Json::Value Object(const std::string& name, const std::string& prefab, glm::vec2 position,
                            const std::string& components = "{}")
  {
    Json::Value object;
    EXPECT_TRUE(ParseJson(object["components"], components, "a test object")) << components;
    object["components"]["Transform"]["position"][0] = position.x;
    object["components"]["Transform"]["position"][1] = position.y;
    object["name"] = name;
    object["prefab"] = prefab;
    object["children"] = Json::Value(Json::arrayValue);
    return object;
  }

  // Starts the windowed game on a level of these objects and a camera at the origin, and plays the
  // script on it; `space` is the level's space from the first step on.
  void Play(std::vector<Json::Value> objects, std::vector<Step> script)
  {
    objects.insert(objects.begin(), Object("Camera", "Camera", {0.0f, 0.0f}));
    Json::Value root;
    for (std::size_t index = 0; index < objects.size(); ++index)
    {
      objects[index]["uuid"] = static_cast<int>(index + 1);
      root["level"]["objects"].append(objects[index]);
    }
    ASSERT_TRUE(WriteJsonFile(root, Space::LevelPath(Level)));
    settings.Write("GameSettings", std::string(R"({"firstLevel": ")") + Level + R"("})");
    settings.Write("EditorSettings", "{}");
    devices->readDisplay = false;
    Input::Init(std::make_unique<FakeInputDevices>(devices));
    session = std::make_unique<GameSession>(MemoryManager::Instance(), &clock, settings.Prefix());
    GameSession::SetInstance(session.get());
    session->SetWindowedStart();
    ASSERT_TRUE(session->Initialize());
    ImGui::GetIO().IniFilename = nullptr;
    std::size_t step = 0;
    session->SetFrameObserver([&] {
      space = session->GetSpace(Level);
      if (space != nullptr && step < script.size() && script[step]())
        ++step;
      if (step == script.size())
        session->StopAll();
    });
    session->QuitAfterFrames(3000);
    session->Run();
    EXPECT_EQ(step, script.size()) << "the script stopped at this step";
  }

  // A step that waits this many frames.
  static Step Wait(int frames)
  {
    auto left = std::make_shared<int>(frames);
    return [left] { return --*left <= 0; };
  }

  // Read by the next frame's input pump.
  void Script(const SDL_Event& event) { devices->events.push_back(event); }
  void Press(SDL_Keycode key) { Script(TestEvents::Key(key, true)); }
  void Release(SDL_Keycode key) { Script(TestEvents::Key(key, false)); }

  GameObject* Find(const std::string& name) const
  {
    const auto found = space->FindObjectByName(name);
    return found == space->ObjectsEnd() ? nullptr : found->second.Get();
  }

  template <typename T>
  T* Get(const std::string& name) const
  {
    GameObject* object = Find(name);
    return object != nullptr ? object->GetComponent<T>() : nullptr;
  }

  std::vector<GameObject*> ObjectsOf(const std::string& prefab) const
  {
    std::vector<GameObject*> found;
    for (const auto& [id, handle] : space->GetObjectsById())
    {
      if (GameObject* object = handle.Get(); object != nullptr && object->GetPrefabName() == prefab)
        found.push_back(object);
    }
    return found;
  }

  glm::vec2 PositionOf(const std::string& name) const { return Find(name)->GetTransform()->GetWorldPosition(); }
  void MoveTo(const std::string& name, glm::vec2 position) const
  {
    Find(name)->GetTransform()->SetWorldPosition(position.x, position.y);
  }

  CapturedOutput output;
  TemporaryDirectory settings;
  std::shared_ptr<FakeDeviceLog> devices = std::make_shared<FakeDeviceLog>();
  MicrosecondClock clock;
  std::unique_ptr<GameSession> session;
  Space* space = nullptr;
};
