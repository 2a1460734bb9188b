// Every level the game ships, opened in the editor's space and saved without a change, must come
// back as it was: the same objects with the same names, prefabs and members, under the same
// parents. Levels added later are found by the editor's level list and checked with the rest.
#include "app/GameSession.h"
#include "core/EventManager.h"
#include "core/MemoryManager.h"
#include "object/Space.h"
#include "support/ScopedEngine.h"

#include "editor/Editor.h"
#include "object/Component.h"
#include "object/GameObject.h"
#include "object/Transform.h"
#include "support/CapturedLog.h"

#include <json/json.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

namespace
{
// One line per object: its name, prefab, every member of every component, and its parent's
// line, so that the same objects under other parents differ. Sorted, since ids are handed out
// anew on every load.
std::vector<std::string> Describe(Space& space)
{
  Json::StreamWriterBuilder writer;
  writer["indentation"] = "";
  std::vector<std::string> lines;
  for (const auto& [id, handle] : space.GetObjectsById())
  {
    std::string line;
    for (GameObject* object = handle.Get(); object != nullptr;)
    {
      Json::Value record;
      record["name"] = object->GetName();
      record["prefab"] = object->GetPrefabName();
      for (const auto& [typeName, component] : object->GetComponents())
        component->SerializeMembers(record["components"]);
      line += Json::writeString(writer, record) + " under ";
      const Transform* parent = object->GetTransform() != nullptr ? object->GetTransform()->GetParent() : nullptr;
      object = parent != nullptr ? parent->GetGameObject() : nullptr;
    }
    lines.push_back(line);
  }
  std::sort(lines.begin(), lines.end());
  return lines;
}

std::vector<std::string> FileLines(const std::string& path)
{
  std::ifstream file(path);
  std::vector<std::string> lines;
  for (std::string line; std::getline(file, line);)
    lines.push_back(line);
  return lines;
}

// Empty when both are the same; else the first line that differs on each side, since a level's
// whole description is too long to read in a failure.
std::string FirstDifference(const std::vector<std::string>& before, const std::vector<std::string>& after)
{
  const auto [first, second] = std::mismatch(before.begin(), before.end(), after.begin(), after.end());
  if (first == before.end() && second == after.end())
    return std::string();
  return "line " + std::to_string(first - before.begin()) + ":\n  before: " +
         (first != before.end() ? *first : "(none)") + "\n  after:  " + (second != after.end() ? *second : "(none)");
}
}  // namespace

class EditorLevelRoundTripTest : public EngineTest
{
};

TEST_F(EditorLevelRoundTripTest, EveryLevelSavedUnchangedComesBackWithItsObjectsMembersAndHierarchy)
{
  ::Editor::Editor& editor = session->GetEditor();
  editor.RefreshLevelList();
  ASSERT_GE(editor.GetLevelNames().size(), 10u) << "the level folder is listed";
  std::size_t objects = 0;

  for (const std::string& level : editor.GetLevelNames())
  {
    SCOPED_TRACE(level);
    CapturedLog output;  // the levels' own warnings are another test's business
    Space* space = LiveSpace(::GameSession::EditorSpaceName, level);
    session->SetEditorSpace(space);
    const std::vector<std::string> opened = Describe(*space);
    objects += opened.size();

    ASSERT_TRUE(session->SaveEditorLevel());
    const std::vector<std::string> saved = FileLines(Space::LevelPath(level));
    space->UnloadLevel();
    space->LoadLevel(level);
    EXPECT_EQ(FirstDifference(opened, Describe(*space)), "");

    // Saved again, the file is the same text: nothing drifts from save to save.
    ASSERT_TRUE(session->SaveEditorLevel());
    EXPECT_EQ(FirstDifference(saved, FileLines(Space::LevelPath(level))), "");
    session->SetEditorSpace(nullptr);
    session->UnloadAllSpaces();
  }
  EXPECT_GT(objects, 100u);
}
