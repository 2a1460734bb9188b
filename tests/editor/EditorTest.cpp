// The editor's rules that the drive through the real program (tools/drive-editor.sh) does not
// reach on every branch: the level list's cut rule, picking ties and children, the tools'
// selection answers and refused cycles, the resource editor's save rule, level and prefab saves
// that cannot replace their file; and what deleting leaves behind: a component of any type
// removed from a running level, the children of a deleted object.
#include "editor/Editor.h"

#include "app/GameSession.h"
#include "core/EventManager.h"
#include "core/FileUtilities.h"
#include "core/MemoryManager.h"
#include "object/Removal.h"
#include "object/Space.h"
#include "support/ScopedEngine.h"
#include "editor/ParentTool.h"
#include "editor/ResourceEditor.h"
#include "editor/SelectTool.h"
#include "object/GameObject.h"
#include "object/Transform.h"
#include "physics/Collider.h"
#include "physics/PhysicsModule.h"
#include "physics/Rigidbody.h"
#include "render/Sprite.h"
#include "render/Camera.h"
#include "support/CapturedLog.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

namespace fs = std::filesystem;

class EditorTest : public EngineTest
{
protected:
  Handle<GameObject> Make(Space* space, const std::string& name, glm::vec2 position)
  {
    Handle<GameObject> object;
    session->GetFactory().CreateGameObject(object, "Empty", space, name);
    object->GetTransform()->SetWorldPosition(position.x, position.y);
    return object;
  }
};

TEST_F(EditorTest, LevelNamesPickingAndTheToolsFollowTheirRules)
{
  EXPECT_EQ(::Editor::Editor::LevelNameOf("Assets\\LevelFiles\\splash.json"), "splash");
  EXPECT_EQ(::Editor::Editor::LevelNameOf("Assets/LevelFiles/old.json.bak"), "old");
  EXPECT_EQ(::Editor::Editor::LevelNameOf("Assets/LevelFiles/notes.txt"), "notes.txt");

  Space* space = LiveSpace("Editor Space", "blank");
  Handle<GameObject> near = Make(space, "near", {3.0f, 0.0f});
  Handle<GameObject> later = Make(space, "later", {3.5f, 0.0f});
  Handle<GameObject> child = Make(space, "child", {0.0f, 0.0f});
  ASSERT_TRUE(child->GetTransform()->SetParent(near->GetTransform()));
  // Boxes of 15 x 15 without a sprite; a later object within 1.0 of the best wins; a child is
  // never picked, though it is the nearest.
  EXPECT_EQ(::Editor::Editor::FindObjectAt(*space, {0.0f, 0.0f}), later);
  EXPECT_FALSE(::Editor::Editor::FindObjectAt(*space, {0.0f, 12.0f}).IsValid());

  ::Editor::Selection selection;
  ::Editor::SelectTool select;
  ::Editor::ParentTool parent(selection);
  EXPECT_TRUE(select.Apply(near));
  EXPECT_TRUE(select.Unapply(near)) << "a selected node leaves the selection";
  EXPECT_EQ(select.GetHeld(), near) << "and stays held";

  // "later" and "near" selected, "child" picked as the parent: "near" is its ancestor and stays
  // where it is, with a warning; "later" becomes the child's child. The selection empties and the
  // parent is held, not selected.
  selection[::Editor::SelectionLabel(*near)] = near;
  selection[::Editor::SelectionLabel(*later)] = later;
  CapturedLog output;
  EXPECT_FALSE(parent.Apply(child));
  EXPECT_TRUE(output.Contains("[WARNING] \"near\" is not made a child of \"child\": it would become its own ancestor."));
  EXPECT_EQ(near->GetTransform()->GetParent(), nullptr);
  EXPECT_EQ(later->GetTransform()->GetParent(), child->GetTransform());
  EXPECT_TRUE(selection.empty());
  EXPECT_EQ(parent.GetHeld(), child);

  // With "Select Parent on parent action" the parent joins the selection; with an empty
  // selection the tool only holds what it was given.
  parent.selectParentOnParentAction = true;
  EXPECT_TRUE(parent.Apply(near));
  EXPECT_EQ(parent.GetHeld(), near);
  EXPECT_EQ(later->GetTransform()->GetParent(), child->GetTransform());

  // A player's copy is held as any other: the spaces that waking it makes (its health's
  // indicator), which the editor takes away, take nothing held or selected with them.
  ::Editor::Editor& editor = session->GetEditor();
  session->SetEditorSpace(space);
  Handle<GameObject> player;
  session->GetFactory().CreateGameObject(player, "Player", space, "player");
  editor.GetCurrentTool()->Apply(player->Duplicate());
  editor.GetSelection()[::Editor::SelectionLabel(*near)] = near;
  session->ManageSpaces();
  session->KeepOnlyEditorSpace();
  session->SetEditorSpace(nullptr);
  const Handle<GameObject> held = editor.GetCurrentTool()->GetHeld();
  ASSERT_TRUE(held.IsValid());
  EXPECT_NE(held, player);
  EXPECT_EQ(held->GetPrefabName(), "Player");
  EXPECT_EQ(editor.GetSelection().size(), 1u);

  // The space unloading drops every held object and the selection.
  editor.GetSelection()[::Editor::SelectionLabel(*near)] = near;
  editor.GetCurrentTool()->Apply(near);
  session->UnloadAllSpaces();
  EXPECT_TRUE(editor.GetSelection().empty());
  EXPECT_FALSE(editor.GetCurrentTool()->GetHeld().IsValid());
}

TEST_F(EditorTest, TheResourceEditorSavesOnlyLongEnoughNames)
{
  const Resource edited;
  EXPECT_TRUE(ResourceEditor::IsValidSave("crat", "crate1", edited));
  EXPECT_FALSE(ResourceEditor::IsValidSave("cra", "crate1", edited));
  EXPECT_FALSE(ResourceEditor::IsValidSave("crat", "crate", edited));
}

TEST_F(EditorTest, ALevelSaveThatCannotReplaceItsFileIsReportedAndLosesNothing)
{
  Space* space = LiveSpace(::GameSession::EditorSpaceName, "testlevel");
  session->SetEditorSpace(space);
  const std::size_t objects = space->GetObjectsById().size();
  const fs::path folder = settingsFolder.Path() / "levels";
  fs::create_directories(folder / "testlevel.json");  // a folder where the file should go
  CapturedLog output;
  EXPECT_FALSE(session->SaveEditorLevel(folder.string() + "/"));
  EXPECT_TRUE(output.Contains("[ERROR] The level \"testlevel\" was not saved"));
  EXPECT_TRUE(fs::is_directory(folder / "testlevel.json"));

  // A level file whose folder takes no new file beside it: the file keeps what it held. A file
  // name holds at most 255 bytes for every user, root too, and the save's temporary name is
  // the level's file name and a dozen more.
  const std::string longName(245, 'L');
  space->SetCurrentLevelName(longName);
  { std::ofstream(folder / (longName + ".json")) << "{}"; }
  EXPECT_FALSE(session->SaveEditorLevel(folder.string() + "/"));
  EXPECT_TRUE(output.Contains("[ERROR] The level \"" + longName + "\" was not saved"));
  std::ifstream file(folder / (longName + ".json"));
  std::stringstream text;
  text << file.rdbuf();
  EXPECT_EQ(text.str(), "{}");
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 2) << "nothing left beside it";
  EXPECT_EQ(space->GetObjectsById().size(), objects) << "the editor keeps the level it could not save";

  // "Save to Prefab" onto a prefab file that cannot be replaced: reported, and the object keeps
  // the prefab it had; a name leading out of the prefab folder writes nothing.
  GameObject& object = *space->GetObjectsById().begin()->second;
  const std::string prefab = object.GetPrefabName();
  fs::create_directories("Assets/Prefabs/Stuck.prefab");
  const std::size_t errors = output.CountOf("[ERROR]");
  session->GetFactory().SavePrefab("Stuck", &object);
  session->GetFactory().SavePrefab("../Escaped", &object);
  EXPECT_EQ(object.GetPrefabName(), prefab);
  EXPECT_FALSE(fs::exists("Assets/Escaped.prefab"));
  EXPECT_GE(output.CountOf("[ERROR]"), errors + 2) << output.Text();
  fs::remove("Assets/Prefabs/Stuck.prefab");
  session->SetEditorSpace(nullptr);

  // Every new text is read back before it replaces a file: one that would read back with a
  // comment elsewhere than it was (the settings keep people's comments) replaces nothing either.
  const std::string settings = (settingsFolder.Path() / "Annotated").string();
  { std::ofstream(settings) << "{}"; }
  Json::Value annotated(Json::objectValue);
  annotated["currentlyEditing"] = "skirmish";
  annotated["currentlyEditing"].setComment("/* where I left off */\n/* for now */", Json::commentAfterOnSameLine);
  EXPECT_FALSE(WriteJsonFile(annotated, settings, JsonComments::Kept));
  EXPECT_TRUE(output.Contains("[ERROR] Failed to open file " + settings + " for write. Its new text would not read back"));
  std::ifstream kept(settings);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), "{}");
}

// The inspector's "Delete" on every component type the shipped levels hold, each level in play
// with the debug view on: after each removal the loop runs a frame (physics, updates, drawing,
// the colliders' debug drawing), and nothing keeps the removed component. Siblings and other
// objects that worked with it carry on without it.
TEST_F(EditorTest, RemovingAnyComponentOfAShippedLevelKeepsTheLoopRunningAndIsForgottenAtOnce)
{
  ::Editor::Editor& editor = session->GetEditor();
  editor.RefreshLevelList();
  session->debugDrawing = true;
  std::set<std::string> removedTypes;
  for (const std::string& level : editor.GetLevelNames())
  {
    if (level == "testlevel")
      continue;
    SCOPED_TRACE(level);
    CapturedLog output;
    Space* space = LiveSpace("Game", level);
    std::set<std::string> types;
    for (const auto& [id, object] : space->GetObjectsById())
      for (const auto& [typeName, component] : object->GetComponents())
        types.insert(typeName);
    for (const std::string& type : types)
    {
      SCOPED_TRACE(type);
      // The first object still holding one: earlier removals and the frames may have changed the level.
      GameObject* holder = nullptr;
      for (const auto& [id, object] : space->GetObjectsById())
        if (object.IsValid() && object->GetComponent(type) != nullptr && holder == nullptr)
          holder = object.Get();
      if (holder == nullptr)
        continue;
      const Component* removed = holder->GetComponent(type);
      editor.DeleteComponent(*holder, removed);
      if (type == "Transform")
      {
        EXPECT_EQ(holder->GetComponent(type), removed);
        EXPECT_TRUE(output.Contains("[WARNING] The Transform of \"" + holder->GetName() + "\" stays"));
        continue;
      }
      removedTypes.insert(type);
      EXPECT_EQ(holder->GetComponent(type), nullptr);
      if (const PhysicsObject* entry = PhysicsModule::Of(space)->Find(holder->GetId()))
      {
        EXPECT_NE(static_cast<const Component*>(entry->collider), removed);
        EXPECT_NE(static_cast<const Component*>(entry->rigidbody), removed);
        EXPECT_TRUE(entry->collider != nullptr || !entry->gridRecord.inGrid) << "no shape is left in the grid";
      }
      EXPECT_NE(static_cast<const Component*>(holder->GetSprite()), removed);
      EXPECT_NE(static_cast<const Component*>(space->GetCurrentCamera()), removed);
      for (const Graphics::CameraView* camera : session->GetCameras(space))
        EXPECT_NE(dynamic_cast<const Component*>(camera), removed);
      Frame();
      session->DispatchDrawEvents();
      session->Render();
    }
    session->UnloadAllSpaces();
  }
  EXPECT_GT(removedTypes.size(), 140u) << "the shipped levels hold that many types";
}

// A child that outlives its parent stays where it was, turned and sized as it was, with its own
// child under it: when the editor deletes the parent (and the level is saved so), and when the
// parent dies in play.
TEST_F(EditorTest, ChildrenOfADeletedParentStayWhereTheyWere)
{
  const std::string level = "orphans";
  Load(level, R"([
    {"uuid": 1, "name": "Hull", "prefab": "Empty", "children": [{"who": 2}],
     "components": {"Transform": {"position": [1897.5, 1132.5], "rotation": 0.25, "scale": [64, 64]}}},
    {"uuid": 2, "name": "Hatch", "prefab": "Empty", "children": [{"who": 3}],
     "components": {"Transform": {"position": [-6.74, 2.95], "rotation": 0.5, "scale": [1.5, 1.25]}}},
    {"uuid": 3, "name": "Latch", "prefab": "Empty", "children": [],
     "components": {"Transform": {"position": [2, 0], "rotation": 0, "scale": [1, 1]}}}])");
  struct Placement
  {
    glm::mat3 hatch;
    glm::vec2 latch;
  };
  const auto placementIn = [](Space* in) {
    return Placement{Find(in, "Hatch")->GetTransform()->GetWorldMatrix(), PositionOf(Find(in, "Latch"))};
  };
  // Worked out by hand from the records: the hull's rotation and scale applied to the hatch.
  const glm::vec2 hatchWorld(1897.5f + 64.0f * (-6.74f * std::cos(0.25f) - 2.95f * std::sin(0.25f)),
                             1132.5f + 64.0f * (-6.74f * std::sin(0.25f) + 2.95f * std::cos(0.25f)));
  const auto expectPlacedAsBefore = [&](Space* in, const Placement& before, const char* when) {
    SCOPED_TRACE(when);
    Transform* hatch = Find(in, "Hatch")->GetTransform();
    EXPECT_EQ(hatch->GetParent(), nullptr);
    EXPECT_NEAR(hatch->GetWorldPosition().x, hatchWorld.x, 0.01f);
    EXPECT_NEAR(hatch->GetWorldPosition().y, hatchWorld.y, 0.01f);
    EXPECT_NEAR(hatch->GetWorldRotation(), 0.75f, 1e-4f);
    EXPECT_NEAR(hatch->GetScale().x, 96.0f, 1e-3f);
    EXPECT_NEAR(hatch->GetScale().y, 80.0f, 1e-3f);
    for (int column = 0; column < 3; ++column)
      for (int row = 0; row < 3; ++row)
        EXPECT_NEAR(hatch->GetWorldMatrix()[column][row], before.hatch[column][row], 0.01f) << column << row;
    EXPECT_NEAR(PositionOf(Find(in, "Latch")).x, before.latch.x, 0.01f);
    EXPECT_NEAR(PositionOf(Find(in, "Latch")).y, before.latch.y, 0.01f);
  };

  // In play: the hull is destroyed as components destroy objects, and the frames go on.
  Space* play = Live(level);
  const Placement inPlay = placementIn(play);
  QueueRemoval(Find(play, "Hull"));
  Frames(2);
  EXPECT_FALSE(Find(play, "Hull").IsValid());
  expectPlacedAsBefore(play, inPlay, "in play");
  session->UnloadAllSpaces();

  // In the editor, and saved: the hatch's record holds where it stood.
  Space* edited = LiveSpace(::GameSession::EditorSpaceName, level);
  session->SetEditorSpace(edited);
  const Placement inEditor = placementIn(edited);
  session->GetEditor().DeleteObject(Find(edited, "Hull"));
  expectPlacedAsBefore(edited, inEditor, "deleted in the editor");
  ASSERT_TRUE(session->SaveEditorLevel());
  edited->UnloadLevel();
  edited->LoadLevel(level);
  expectPlacedAsBefore(edited, inEditor, "saved and loaded again");
  session->SetEditorSpace(nullptr);
}
