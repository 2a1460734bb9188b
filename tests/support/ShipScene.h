#pragma once
// The real game on the test display, showing a level built around a ship: the test writes a
// layout and a level (a camera, a ship object "Ship" with its ShipMap, PressureTracker, PathGraph
// and SHIPS registration, and whatever else the test adds), starts the session on it with its
// input on scripted events, and runs frames, acting and looking at the end of each.
#include "app/GameSession.h"
#include "core/FileUtilities.h"
#include "core/MemoryManager.h"
#include "gameplay/ShipMap.h"
#include "input/Input.h"
#include "object/GameObject.h"
#include "object/Space.h"
#include "object/Transform.h"
#include "support/CapturedLog.h"
#include "support/FakeInputDevices.h"
#include "support/RecordingAssertHandler.h"
#include "support/TemporaryDirectory.h"
#include "support/TestEvents.h"

#include <gtest/gtest.h>
#include <imgui.h>
#include <json/json.h>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// Levels built around a ship, written into the test program's working folder.
namespace ShipLevel
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

// The layout goes to Assets/Ship/<level>.txt; the ship stands with tile (0, 0) at `origin`.
inline void Write(const std::string& level, const std::string& layout, glm::vec2 origin,
                  std::vector<Json::Value> objects = {})
{
  std::ofstream("Assets/Ship/" + level + ".txt", std::ios::binary) << layout;
  objects.insert(objects.begin(), Object("Camera", "Camera", origin + glm::vec2(512.0f, 384.0f)));
  objects.push_back(Object("Ship", "Default", origin,
                           R"({"Transform": {"scale": [128, 128]}, "ShipMap": {"filename": "Assets/Ship/)" + level +
                               R"(.txt"}, "PressureTracker": null, "PathGraph": null,
                               "Registerer": {"registryType": "SHIPS"}})"));
  Json::Value root;
  for (std::size_t index = 0; index < objects.size(); ++index)
  {
    objects[index]["uuid"] = static_cast<int>(index + 1);
    root["level"]["objects"].append(objects[index]);
  }
  EXPECT_TRUE(WriteJsonFile(root, "Assets/LevelFiles/" + level + ".json"));
}
}  // namespace ShipLevel

class ShipScene : public ::testing::Test
{
protected:
  static constexpr float Tile = 128.0f;

  void SetUp() override
  {
    if (std::getenv("DISPLAY") == nullptr)
      GTEST_SKIP() << "no display to open the game's window on";
  }

  void TearDown() override
  {
    Input::Shutdown();  // in case the session never started
    if (session == nullptr)
      return;
    session->Shutdown();
    delete session;
    GameSession::SetInstance(nullptr);
  }

  static Json::Value Object(const std::string& name, const std::string& prefab, glm::vec2 position,
                            const std::string& components = "{}")
  {
    return ShipLevel::Object(name, prefab, position, components);
  }
  static void WriteLevel(const std::string& level, const std::string& layout, glm::vec2 origin,
                         std::vector<Json::Value> objects = {})
  {
    ShipLevel::Write(level, layout, origin, std::move(objects));
  }

  void DefinePrefab(const std::string& name, const std::string& definition)
  {
    std::ofstream("Assets/Prefabs/" + name + ".prefab") << R"({")" << name << R"(": )" << definition << "}";
  }

  // Starts the windowed game on the level and runs `frames` frames; `eachFrame` sees the end of
  // every frame (numbered from 1) while the level's space is live.
  void Run(const std::string& level, int frames, const std::function<void(int frame, Space& space)>& eachFrame)
  {
    settings.Write("GameSettings", R"({"firstLevel": ")" + level + R"("})");
    settings.Write("EditorSettings", "{}");
    devices->readDisplay = false;
    Input::Init(std::make_unique<FakeInputDevices>(devices));
    session = new GameSession(MemoryManager::Instance(), nullptr, settings.Prefix());
    GameSession::SetInstance(session);
    session->SetWindowedStart();
    ASSERT_TRUE(session->Initialize());
    ImGui::GetIO().IniFilename = nullptr;
    int frame = 0;
    session->SetFrameObserver([&] {
      if (Space* space = session->GetSpace(level))
        eachFrame(++frame, *space);
    });
    session->QuitAfterFrames(frames);
    session->Run();
    EXPECT_EQ(frame, frames) << output.Text();
  }

  // Read by the next frame's input pump.
  void Script(const SDL_Event& event) { devices->events.push_back(event); }

  static GameObject* Find(Space& space, const std::string& name)
  {
    const auto found = space.FindObjectByName(name);
    return found == space.ObjectsEnd() ? nullptr : found->second.Get();
  }

  static ShipMap& MapOf(Space& space)
  {
    GameObject* ship = Find(space, "Ship");
    EXPECT_NE(ship, nullptr);
    return *ship->GetComponent<ShipMap>();
  }

  // The live objects made from a prefab.
  static std::vector<GameObject*> ObjectsOf(Space& space, const std::string& prefab)
  {
    std::vector<GameObject*> found;
    for (const auto& [id, handle] : space.GetObjectsById())
    {
      if (GameObject* object = handle.Get(); object != nullptr && object->GetPrefabName() == prefab)
        found.push_back(object);
    }
    return found;
  }

  CapturedLog output;
  RecordingAssertHandler asserts;
  TemporaryDirectory settings;
  std::shared_ptr<FakeDeviceLog> devices = std::make_shared<FakeDeviceLog>();
  GameSession* session = nullptr;
};
