#pragma once
// The AI's tests on the game's own frame: a session without a window (its factory with every
// component and the shipped prefabs, a registry), levels written for the test and loaded into
// named spaces, and frames run as the game loop runs them: spaces managed, each active space's
// physics stepped, then the update events and the queue. The time step is fixed, so a run is
// repeatable.
#include "steering/AIEvents.h"
#include "app/GameSessionTestEnvironment.h"
#include "core/FileUtilities.h"
#include "core/Listener.h"
#include "gameplay/items/ItemEvents.h"
#include "object/GameObject.h"
#include "object/Registry.h"
#include "object/Transform.h"
#include "physics/PhysicsModule.h"
#include "steering/SteeringOutput.h"
#include "support/CapturedLog.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

// A level record of one object at a position; `components` adds members (", \"Type\": {...}"),
// `children` lists the uuids of its children ("[{\"who\": 7}]").
inline std::string Record(const std::string& name, const std::string& prefab, int uuid, glm::vec2 at,
                          const std::string& components = "", const std::string& children = "[]")
{
  return R"({"name": ")" + name + R"(", "prefab": ")" + prefab + R"(", "uuid": )" + std::to_string(uuid) +
         R"(, "children": )" + children + R"(, "components": {"Transform": {"position": [)" + std::to_string(at.x) +
         ", " + std::to_string(at.y) + "]}" + components + "}}";
}

// The bits of the values, for pinning where a run ends.
inline std::uint64_t HashOf(const std::vector<glm::vec2>& values)
{
  std::uint64_t hash = 1469598103934665603ull;
  for (const glm::vec2& value : values)
  {
    std::uint32_t bits[2];
    std::memcpy(bits, &value, sizeof(bits));
    for (std::uint32_t word : bits)
      hash = (hash ^ word) * 1099511628211ull;
  }
  return hash;
}

// What reaches one object's id: its steering requests, its uses (slot by slot) and its equip
// requests.
class EnemyEventLog : public Listener
{
public:
  explicit EnemyEventLog(std::uint32_t objectId) : Listener(EventManager::Instance()->GetNewListenerId())
  {
    EventManager* events = EventManager::Instance();
    events->Subscribe<EnemyEventLog, UpdateSteering>(this, objectId);
    events->Subscribe<EnemyEventLog, UseEvent>(this, objectId);
    events->Subscribe<EnemyEventLog, EquipDequip>(this, objectId);
  }
  void On(UpdateSteering* event) { steerings.push_back(SteeringOutput{event->linear, event->angular}); }
  void On(UseEvent* event)
  {
    uses.push_back(event->slot);
    allRearmed = allRearmed && event->rearmFlag && !event->firstFlag;
  }
  void On(EquipDequip*) { ++equipRequests; }

  std::vector<SteeringOutput> steerings;
  std::vector<std::uint32_t> uses;
  bool allRearmed = true;
  int equipRequests = 0;
};

class AIScene : public GameSessionTest
{
protected:
  static constexpr float FrameStep = 1.0f / 120.0f;

  AIScene() { Registry::SetInstance(&registry); }

  ~AIScene() override
  {
    session->UnloadAllSpaces();
    Registry::SetInstance(nullptr);
    for (const std::string& path : writtenFiles)
      std::filesystem::remove(path);
    // The program's tests share one working folder: a shipped level a test stood in for is put
    // back as it was for the tests after it.
    for (const auto& [path, text] : replacedFiles)
      std::ofstream(path, std::ios::binary) << text;
  }

  // Writes Assets/LevelFiles/<level>.json with these objects (a JSON array) and loads it into a
  // live space of the same name.
  Space* Load(const std::string& level, const std::string& objects)
  {
    const std::string path = Space::LevelPath(level);
    if (std::find(writtenFiles.begin(), writtenFiles.end(), path) == writtenFiles.end() && !replacedFiles.count(path))
    {
      if (std::filesystem::exists(path))
        replacedFiles.emplace(path, ReadWholeFile(path));
      else
        writtenFiles.push_back(path);
    }
    std::ofstream(path) << R"({"level": {"objects": )" << objects << "}}";
    return LiveSpace(level, level);
  }

  void RunFrames(int count)
  {
    for (int frame = 0; frame < count; ++frame)
    {
      session->ManageSpaces();
      for (const auto& [name, space] : session->GetSpaces())
        if (space->IsActive())
          PhysicsModule::Of(space)->Update(FrameStep);
      session->DispatchUpdateEvents(FrameStep);
    }
  }

  static Handle<GameObject> Find(Space* space, const std::string& name)
  {
    const auto found = space->FindObjectByName(name);
    return found == space->ObjectsEnd() ? Handle<GameObject>() : found->second;
  }

  static glm::vec2 PositionOf(const Handle<GameObject>& object)
  {
    return object.IsValid() ? object->GetTransform()->GetWorldPosition() : glm::vec2(0.0f, 0.0f);
  }

  Registry registry;
  std::vector<std::string> writtenFiles;
  std::map<std::string, std::string> replacedFiles;  // path, what it held before
};
