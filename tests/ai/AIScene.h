#pragma once
// The AI's tests on the game's own frame: a session without a window (its factory with every
// component and the shipped prefabs, a registry), levels written for the test and loaded into
// named spaces, and frames run as the game loop runs them: spaces managed, each active space's
// physics stepped, then the update events and the queue. The time step is fixed, so a run is
// repeatable.
#include "app/GameSessionTestEnvironment.h"
#include "object/GameObject.h"
#include "object/Registry.h"
#include "object/Transform.h"
#include "support/CapturedOutput.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

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
  }

  // Writes Assets/LevelFiles/<level>.json with these objects (a JSON array) and loads it into a
  // live space of the same name.
  Space* Load(const std::string& level, const std::string& objects)
  {
    const std::string path = Space::LevelPath(level);
    std::ofstream(path) << R"({"level": {"objects": )" << objects << "}}";
    writtenFiles.push_back(path);
    return LiveSpace(level, level);
  }

  void RunFrames(int count)
  {
    for (int frame = 0; frame < count; ++frame)
    {
      session->ManageSpaces();
      for (const auto& [name, space] : session->GetSpaces())
        if (space->IsActive())
          space->GetPhysics().Update(FrameStep);
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
};
