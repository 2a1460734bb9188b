#pragma once
// The real game on the test display, showing a level built around a ship: the test writes a
// layout and a level (a camera, a ship object "Ship" with its ShipMap, PressureTracker, PathGraph
// and SHIPS registration, and whatever else the test adds), starts the session on it with its
// input on scripted events, and runs frames, acting and looking at the end of each.
#include "gameplay/ship/ShipMap.h"
#include "object/Transform.h"
#include "support/GameScene.h"

#include <fstream>
#include <functional>
#include <string>
#include <vector>

// Levels built around a ship, written into the test program's working folder.
namespace ShipLevel
{
using LevelRecord::Object;

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
  LevelRecord::Write(level, std::move(objects));
}
}  // namespace ShipLevel

class ShipScene : public GameScene
{
protected:
  static constexpr float Tile = 128.0f;

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
  // every frame (numbered from 1) while the level's space is live. The frames keep real time
  // unless the test sets `clock`.
  void Run(const std::string& level, int frames, const std::function<void(int frame, Space& space)>& eachFrame)
  {
    Start(level, clock);
    if (HasFatalFailure())
      return;
    int frame = 0;
    session->SetFrameObserver([&] {
      if (Space* space = session->GetSpace(level))
        eachFrame(++frame, *space);
    });
    session->QuitAfterFrames(frames);
    session->Run();
    EXPECT_EQ(frame, frames) << output.Text();
  }

  FrameClock* clock = nullptr;

  static ShipMap& MapOf(Space& space)
  {
    GameObject* ship = Find(space, "Ship");
    EXPECT_NE(ship, nullptr);
    return *ship->GetComponent<ShipMap>();
  }
};
