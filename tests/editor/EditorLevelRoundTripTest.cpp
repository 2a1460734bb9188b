// Every level the game ships, and every level a careless hand or another version of the game
// could leave, opened in the editor's space and saved without a change, must come back as it was:
// the same objects with the same names, prefabs and members, under the same parents; saved again,
// the same file. Levels added later are found by the editor's level list and checked with the rest.
#include "app/GameSession.h"
#include "core/EventManager.h"
#include "core/MemoryManager.h"
#include "object/Space.h"
#include "support/ScopedEngine.h"

#include "editor/Editor.h"
#include "object/Component.h"
#include "object/GameobjectFactory.h"
#include "object/GameObject.h"
#include "object/PrefabFiles.h"
#include "object/Transform.h"
#include "core/FileUtilities.h"
#include "support/CapturedLog.h"

#include <json/json.h>

#include <algorithm>
#include <array>
#include <limits>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <random>
#include <sstream>
#include <set>
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

std::vector<std::string> Lines(const std::string& text)
{
  std::istringstream stream(text);
  std::vector<std::string> lines;
  for (std::string line; std::getline(stream, line);)
    lines.push_back(line);
  return lines;
}

std::string FileText(const std::string& path)
{
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), {});
}

std::vector<std::string> FileLines(const std::string& path)
{
  return Lines(FileText(path));
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
// Removes a file the test wrote when the test ends.
struct RemoveFile
{
  std::string path;
  ~RemoveFile() { std::remove(path.c_str()); }
};

// Gives shipped files the test changed their text back when the test ends: the other tests of the
// program load them.
struct RestoreFiles
{
  std::map<std::string, std::string> texts;
  void Keep(const std::string& path) { texts.emplace(path, FileText(path)); }
  ~RestoreFiles()
  {
    for (const auto& [path, text] : texts)
      std::ofstream(path, std::ios::binary) << text;
  }
};

// The lines that differ between two texts, line by line.
std::vector<std::string> ChangedLines(const std::vector<std::string>& before, const std::vector<std::string>& after)
{
  std::vector<std::string> changed;
  for (std::size_t index = 0; index < std::max(before.size(), after.size()); ++index)
  {
    const std::string was = index < before.size() ? before[index] : "(none)";
    const std::string now = index < after.size() ? after[index] : "(none)";
    if (was != now)
      changed.push_back(was + " -> " + now);
  }
  return changed;
}

// A level the loader accepts, made as a careless hand or another version of the game could leave
// it: children naming no record (deleted by hand), a record of a shared uuid, the object itself, or
// one already listed under another parent or closing a cycle; entries and "children" of the wrong
// kind, numbers written as 3.0; uuids shared or at the ends of their range; records the load skips;
// unknown prefabs, components and members; values a member refuses; objects that spawn children;
// shared and empty names; keys nothing reads.
// After `filler` plain records the level runs past the last object id in its middle.
Json::Value HostileLevel(unsigned seed, int filler = 0)
{
  std::mt19937 random(seed);
  const auto chance = [&random](unsigned percent) { return random() % 100 < percent; };
  const auto upTo = [&random](int count) { return static_cast<int>(random() % static_cast<unsigned>(count)); };
  const int count = 8 + upTo(24);
  // From a range a little wider than the records: numbers repeat, and some name nothing.
  const auto number = [&] { return 1 + upTo(count + 4); };
  const std::array<int, 4> extremes{0, -1, std::numeric_limits<int>::max(), std::numeric_limits<int>::min()};
  std::vector<int> uuids;
  for (int index = 0; index < count; ++index)
    uuids.push_back(chance(8) ? extremes[upTo(4)] : number());
  const std::array<const char*, 6> names{"Crate", "Crate3", "Parent", "", "Ann", "Zed"};
  const std::array<const char*, 5> prefabs{"Default", "Default", "Empty", "Beacon", "Nowhere"};

  Json::Value objects(Json::arrayValue);
  for (int index = 0; index < filler; ++index)
  {
    Json::Value& record = objects.append(Json::Value(Json::objectValue));
    record["uuid"] = 1000000 + index;
    record["name"] = "filler";
  }
  for (int index = 0; index < count; ++index)
  {
    if (chance(3))
    {
      objects.append(chance(50) ? Json::Value(7) : Json::Value("not a record"));
      continue;
    }
    Json::Value record(Json::objectValue);
    record["uuid"] = uuids[index];
    record["name"] = chance(50) ? names[upTo(6)] : "Object " + std::to_string(index);
    if (!chance(15))
      record["prefab"] = prefabs[upTo(5)];
    Json::Value& transform = record["components"]["Transform"];
    transform["position"].append(chance(10) ? 1e39 : upTo(1001) - 500);
    transform["position"].append(upTo(1001) - 500);
    if (chance(20))
      transform["rotation"] = 0.25 * upTo(8);
    if (chance(10))
      transform["wobble"] = 7;
    if (chance(10))
      record["components"]["FutureComponent"]["power"] = 3;
    if (chance(5))
      record["note"] = "not read";
    Json::Value& children = record["children"] = Json::Value(Json::arrayValue);
    for (int child = upTo(4); child > 0; --child)
    {
      Json::Value entry(Json::objectValue);
      const int kind = upTo(100);
      if (kind < 55)
        entry["who"] = uuids[upTo(count)];
      else if (kind < 75)
        entry["who"] = number();
      else if (kind < 80)
        entry["who"] = uuids[index];
      else if (kind < 83)
        entry["who"] = "3";
      else if (kind < 86)
        entry["who"] = 1.5;
      else if (kind < 88)
        entry["who"] = static_cast<double>(uuids[upTo(count)]);
      else if (kind < 91)
        entry = 4;
      else if (kind < 94)
        entry["note"] = "no who";
      else
      {
        entry["who"] = uuids[upTo(count)];
        entry["note"] = "a key nothing reads";
      }
      children.append(entry);
    }
    if (chance(3))
      children = Json::Value(Json::objectValue);
    // What makes the load skip the record.
    if (chance(10))
    {
      switch (upTo(4))
      {
        case 0: record["name"] = 5; break;
        case 1: record.removeMember("uuid"); break;
        case 2: record["uuid"] = "7"; break;
        default: record["components"] = "Transform"; break;
      }
    }
    objects.append(record);
  }
  Json::Value document;
  if (chance(30))
  {
    document["version"] = 3;
    document["level"]["note"] = "hand-made";
  }
  document["level"]["objects"] = objects;
  return document;
}
}  // namespace

class EditorLevelRoundTripTest : public EngineTest
{
protected:
  // Opens the level in the editor's space, saves it with no change, opens what was saved and saves
  // that: the first save must bring back the same objects, members and parents, and the second
  // must write the same file. Returns the number of objects opened.
  std::size_t ExpectSavingChangesNothing(const std::string& level)
  {
    SCOPED_TRACE(level);
    Space* space = LiveSpace(::GameSession::EditorSpaceName, level);
    session->SetEditorSpace(space);
    const std::vector<std::string> opened = Describe(*space);

    EXPECT_TRUE(session->SaveEditorLevel());
    const std::vector<std::string> saved = FileLines(Space::LevelPath(level));
    space->UnloadLevel();
    space->LoadLevel(level);
    EXPECT_EQ(FirstDifference(opened, Describe(*space)), "");

    // Saved again, the file is the same text: nothing drifts from save to save.
    EXPECT_TRUE(session->SaveEditorLevel());
    EXPECT_EQ(FirstDifference(saved, FileLines(Space::LevelPath(level))), "");
    session->SetEditorSpace(nullptr);
    session->UnloadAllSpaces();
    return opened.size();
  }
};

TEST_F(EditorLevelRoundTripTest, EveryLevelSavedUnchangedComesBackWithItsObjectsMembersAndHierarchy)
{
  ::Editor::Editor& editor = session->GetEditor();
  editor.RefreshLevelList();
  ASSERT_GE(editor.GetLevelNames().size(), 10u) << "the level folder is listed";
  std::size_t objects = 0;
  for (const std::string& level : editor.GetLevelNames())
  {
    CapturedLog output;  // the levels' own warnings are another test's business
    const std::string shipped = FileText(Space::LevelPath(level));
    objects += ExpectSavingChangesNothing(level);
    // The same bytes as the content scripts wrote: one layout for both, and nothing written that
    // nobody changed.
    EXPECT_TRUE(FileText(Space::LevelPath(level)) == shipped)
        << level << " " << FirstDifference(Lines(shipped), FileLines(Space::LevelPath(level)));
  }
  EXPECT_GT(objects, 100u);

  // "Save prefabs" with nothing changed writes no prefab; with one template changed, only its
  // file, and in it only the changed line.
  std::map<std::string, std::string> prefabs;
  for (const std::filesystem::directory_entry& entry : std::filesystem::directory_iterator("Assets/Prefabs"))
    prefabs[entry.path().string()] = FileText(entry.path().string());
  ASSERT_GT(prefabs.size(), 100u);
  RestoreFiles restore;
  restore.Keep("Assets/Prefabs/EN_SupplyCrate.prefab");
  GameobjectFactory& factory = session->GetFactory();
  ASSERT_TRUE(factory.SaveAllPrefabs());
  for (const auto& [componentFactory, component] : *factory.FindPrefab("EN_SupplyCrate"))
  {
    if (component->GetTypeName() == "Health")
      component->Deserialize(Parsed(R"({"hitpoints": 25})"));
  }
  ASSERT_TRUE(factory.SaveAllPrefabs());
  for (const auto& [path, text] : prefabs)
  {
    if (path.find("EN_SupplyCrate.prefab") == std::string::npos)
      EXPECT_TRUE(FileText(path) == text) << path;
    else
      EXPECT_EQ(ChangedLines(Lines(text), FileLines(path)).size(), 1u) << FileText(path);
  }

  // A placed object nobody changed, whose record says only where it stands, its copy, a copy of that
  // copy made a child, and a new object of its prefab: "Save to Prefab" of each writes its prefab
  // as it was, and File > Save keeps the level's records and gives the new ones only where they
  // stand. What their components worked out as they woke nobody set. A copy of the first object
  // whose record sets more (the skirmish's ship: its layout, type and route graph) saves that as
  // its original's record holds it.
  std::set<std::string> saved;
  for (const std::string& level : editor.GetLevelNames())
  {
    CapturedLog output;
    Space* space = LiveSpace(::GameSession::EditorSpaceName, level);
    session->SetEditorSpace(space);
    std::vector<Handle<GameObject>> placed;
    Handle<GameObject> withRecord;
    Json::Value recorded;
    for (const auto& [id, object] : space->GetObjectsById())
    {
      const ObjectRecordAsRead* read = object->GetRecordAsRead();
      const Json::Value& components = read != nullptr ? read->Record()["components"] : Json::Value::nullSingleton();
      Json::Value beyondPlacement = components;
      beyondPlacement.removeMember("Transform");
      if (recorded.isNull() && beyondPlacement.isObject() && !beyondPlacement.empty())
      {
        recorded = beyondPlacement;
        withRecord = object;
      }
      const std::string& prefab = object->GetPrefabName();
      if (read == nullptr || !factory.HasPrefab(prefab) || saved.count(prefab) != 0 ||
          !(components.isNull() || components.getMemberNames() == std::vector<std::string>{"Transform"}))
        continue;
      saved.insert(prefab);
      placed.push_back(object);
    }
    ASSERT_TRUE(recorded.isNull() || withRecord->Duplicate().IsValid()) << level;
    for (const Handle<GameObject>& object : placed)
    {
      const std::string prefab = object->GetPrefabName();
      editor.CreateObjectFromPrefab(prefab, space);
      const Handle<GameObject> made = space->GetObjectNamed("New Object");
      ASSERT_TRUE(made.IsValid()) << prefab;
      space->RenameObject(made, "Made " + prefab);
      const Handle<GameObject> copy = object->Duplicate();
      ASSERT_TRUE(copy.IsValid()) << prefab;
      ASSERT_TRUE(copy->GetTransform()->SetParent(made->GetTransform()));
      const Handle<GameObject> childsCopy = copy->Duplicate();
      ASSERT_TRUE(childsCopy.IsValid()) << prefab;
      const std::string path = PrefabFiles().FileOf(factory, prefab);
      restore.Keep(path);
      const std::string text = FileText(path);
      const std::pair<const char*, Handle<GameObject>> sources[] = {
          {"placed object", object}, {"copy", copy}, {"child's copy", childsCopy}, {"new object", made}};
      for (const auto& [source, each] : sources)
      {
        factory.SavePrefab(prefab, each.Get());
        EXPECT_TRUE(FileText(path) == text) << prefab << " saved from its " << source << ": "
                                            << ::testing::PrintToString(ChangedLines(Lines(text), FileLines(path)));
      }
    }
    const std::string levelPath = Space::LevelPath(level);
    restore.Keep(levelPath);
    Json::Value shipped;
    ASSERT_TRUE(ReadJsonFile(shipped, levelPath));
    ASSERT_TRUE(session->SaveEditorLevel());
    Json::Value written;
    ASSERT_TRUE(ReadJsonFile(written, levelPath));
    const Json::Value& records = written["level"]["objects"];
    ASSERT_EQ(records.size(), shipped["level"]["objects"].size() + 3 * placed.size() + !recorded.isNull()) << level;
    std::size_t recordedCopies = 0;
    for (Json::ArrayIndex index = 0; index < records.size(); ++index)
    {
      const Json::Value& components = records[index]["components"];
      Json::Value beyondPlacement = components;
      beyondPlacement.removeMember("Transform");
      if (index < shipped["level"]["objects"].size())
        EXPECT_EQ(records[index], shipped["level"]["objects"][index]) << level;
      else if (!beyondPlacement.empty())
      {
        ++recordedCopies;
        EXPECT_EQ(beyondPlacement, recorded) << records[index];
      }
      else
      {
        EXPECT_EQ(components.getMemberNames(), std::vector<std::string>{"Transform"}) << records[index];
        for (const std::string& member : components["Transform"].getMemberNames())
          EXPECT_TRUE(member == "position" || member == "rotation" || member == "scale") << records[index];
      }
    }
    EXPECT_EQ(recordedCopies, recorded.isNull() ? 0u : 1u) << level;
    session->SetEditorSpace(nullptr);
    session->UnloadAllSpaces();
  }
  EXPECT_GT(saved.size(), 40u);
}

// A designer's session in skirmish. One crate moved and saved changes that crate's position line
// and nothing else, and the save queues no event. Then the crate turned 45 degrees and sized
// 96 x 80 with a child at world (0, 0), saved, saved to the new prefab "T6Crate" and the level
// saved; beside it a crate renamed, one given a component its prefab lacks, one moved onto its
// prefab's position, a wall's member set back to its prefab's value, a new T6Crate placed,
// Player1's collider and body removed, the first crate's Transform reset to its prefab, and the
// level saved for the last time. Then a new object of T6Crate made upright at 64 x 64 and saved to
// T6Crate, which keeps its own placement, the prefab changed on purpose in the prefab editor, and
// another crate, moved and turned, saved to its own prefab. Opened again, every object and child
// stands exactly as saved, and each edit holds.
TEST_F(EditorLevelRoundTripTest, SavesChangeOnlyWhatChangedAndWhereObjectsStandBelongsToTheLevel)
{
  const std::string level = "skirmish";
  const std::string prefabPath = "Assets/Prefabs/EN_SupplyCrate.prefab";
  RestoreFiles restore;
  restore.Keep(Space::LevelPath(level));
  restore.Keep(prefabPath);
  RemoveFile removePrefab{"Assets/Prefabs/T6Crate.prefab"};
  // The saved record of an object; the crate's carries a key of its own that the game does not read.
  Json::Value document;
  const auto recordOf = [&](const std::string& name) {
    EXPECT_TRUE(ReadJsonFile(document, Space::LevelPath(level)));
    for (Json::Value& record : document["level"]["objects"])
      if (record["name"] == name)
        return &record;
    return &document;
  };
  (*recordOf("Supplies H1"))["notes"] = "by the door";
  {
    CapturedLog quiet;
    ASSERT_TRUE(WriteJsonFile(document, Space::LevelPath(level)));
  }
  CapturedLog output;
  Space* space = LiveSpace(::GameSession::EditorSpaceName, level);
  session->SetEditorSpace(space);
  ::Editor::Editor& editor = session->GetEditor();
  GameobjectFactory& factory = session->GetFactory();
  const std::vector<std::string> shipped = FileLines(Space::LevelPath(level));
  Handle<GameObject> crate = Find(space, "Supplies H1");
  ASSERT_TRUE(crate.IsValid());
  const glm::vec2 movedTo = PositionOf(crate) + glm::vec2(40.0f, 0.0f);
  crate->GetTransform()->SetWorldPosition(movedTo.x, movedTo.y);
  const std::size_t queued = events->QueueLength();
  ASSERT_TRUE(session->SaveEditorLevel());
  EXPECT_EQ(events->QueueLength(), queued) << "reading the members for a save announces nothing";
  const std::vector<std::string> changed = ChangedLines(shipped, FileLines(Space::LevelPath(level)));
  ASSERT_EQ(changed.size(), 1u) << ::testing::PrintToString(changed);
  EXPECT_NE(changed[0].find("\"position\""), std::string::npos) << changed[0];

  crate->GetTransform()->SetRotation(0.785398f);
  crate->GetTransform()->SetScale(glm::vec2(96.0f, 80.0f));
  editor.CreateObjectFromPrefab("Default", space);
  Handle<GameObject> label = space->GetObjectNamed("New Object");
  ASSERT_TRUE(label.IsValid());
  space->RenameObject(label, "Crate Label");
  ASSERT_TRUE(label->GetTransform()->SetParent(crate->GetTransform()));
  label->GetTransform()->SetWorldPosition(0.0f, 0.0f);
  const glm::mat3 crateAsSaved = crate->GetTransform()->GetWorldMatrix();
  ASSERT_TRUE(session->SaveEditorLevel());
  factory.SavePrefab("T6Crate", crate.Get());
  ASSERT_EQ(crate->GetPrefabName(), "T6Crate");
  Json::Value prefab;
  ASSERT_TRUE(ReadJsonFile(prefab, "Assets/Prefabs/T6Crate.prefab"));
  const Json::Value look = prefab["T6Crate"]["Transform"];
  EXPECT_FALSE(look.isMember("position")) << look;
  EXPECT_FLOAT_EQ(look["rotation"].asFloat(), 0.785398f) << "new objects of it look like it";
  EXPECT_EQ(look["scale"], Parsed("[96.0, 80.0]"));
  ASSERT_TRUE(session->SaveEditorLevel());
  const Json::Value record = *recordOf("Supplies H1");
  EXPECT_EQ(record["prefab"], "T6Crate");
  EXPECT_EQ(record["components"]["Transform"].getMemberNames(), (std::vector<std::string>{"position", "rotation", "scale"}));
  EXPECT_EQ(record["notes"], "by the door");

  // Around it: a crate renamed, one given a component its prefab lacks, one moved to the origin,
  // where its prefab would put it, a wall set back to its prefab's size, a crate placed anew,
  // Player1's collider and body removed, and the first crate reset to its prefab, which keeps its
  // place and its child.
  space->RenameObject(Find(space, "Supplies H2"), "Supplies by the hatch");
  Find(space, "Supplies S2")->GetTransform()->SetPosition(glm::vec2(0.0f, 0.0f));
  Component* registerer = Find(space, "Supplies H3")->AddComponent("Registerer");
  ASSERT_NE(registerer, nullptr);
  registerer->OnAwake();
  registerer->Deserialize(Parsed(R"({"registryType": "LOOT"})"));
  Find(space, "Open Space Left")->GetComponent("RectangleCollider")->Deserialize(Parsed(R"({"scale": [128, 128]})"));
  GameObject* player = Find(space, "Player1").Get();
  ASSERT_NE(player, nullptr);
  for (const char* type : {"CircleCollider", "Rigidbody"})
  {
    ASSERT_NE(player->GetComponent(type), nullptr) << type;
    editor.DeleteComponent(*player, player->GetComponent(type));
  }
  editor.CreateObjectFromPrefab("T6Crate", space);
  Handle<GameObject> placed = space->GetObjectNamed("New Object");
  ASSERT_TRUE(placed.IsValid());
  space->RenameObject(placed, "Placed Crate");
  const glm::mat3 placedAsSaved = placed->GetTransform()->GetWorldMatrix();
  factory.ResetToPrefab(crate->GetTransform());
  ASSERT_TRUE(session->SaveEditorLevel());

  // The level is not saved again: whatever goes into T6Crate now, its objects stay as saved.
  editor.CreateObjectFromPrefab("T6Crate", space);
  Handle<GameObject> upright = space->GetObjectNamed("New Object");
  ASSERT_TRUE(upright.IsValid());
  space->RenameObject(upright, "Upright Crate");
  upright->GetTransform()->SetRotation(0.0f);
  upright->GetTransform()->SetScale(glm::vec2(64.0f, 64.0f));
  factory.SavePrefab("T6Crate", upright.Get());
  ASSERT_TRUE(ReadJsonFile(prefab, "Assets/Prefabs/T6Crate.prefab"));
  EXPECT_EQ(prefab["T6Crate"]["Transform"], look) << "a prefab keeps its own placement";
  for (const auto& [componentFactory, component] : *factory.FindPrefab("T6Crate"))
  {
    if (component->GetTypeName() == "Transform")
      component->Deserialize(Parsed(R"({"position": [500, 500], "rotation": 0, "scale": [64, 64]})"));
  }
  ASSERT_TRUE(factory.SaveAllPrefabs());

  // A crate moved and turned, saved to its own prefab: the prefab keeps its own placement, and
  // gains nothing its components worked out as they woke.
  const std::string prefabText = FileText(prefabPath);
  Handle<GameObject> other = Find(space, "Supplies S1");
  other->GetTransform()->SetWorldPosition(10.0f, 20.0f);
  other->GetTransform()->SetRotation(1.0f);
  factory.SavePrefab("EN_SupplyCrate", other.Get());
  EXPECT_TRUE(FileText(prefabPath) == prefabText) << FileText(prefabPath);

  space->UnloadLevel();
  space->LoadLevel(level);
  const auto expectStandsAsSaved = [space](const std::string& name, const glm::mat3& asSaved) {
    const Handle<GameObject> object = Find(space, name);
    ASSERT_TRUE(object.IsValid()) << name;
    for (int column = 0; column < 3; ++column)
      for (int row = 0; row < 3; ++row)
        EXPECT_NEAR(object->GetTransform()->GetWorldMatrix()[column][row], asSaved[column][row], 1e-3f)
            << name << " " << column << row;
  };
  expectStandsAsSaved("Supplies H1", crateAsSaved);
  expectStandsAsSaved("Placed Crate", placedAsSaved);
  crate = Find(space, "Supplies H1");
  label = Find(space, "Crate Label");
  ASSERT_TRUE(label.IsValid());
  EXPECT_EQ(label->GetParent(), crate);
  EXPECT_NEAR(PositionOf(label).x, 0.0f, 1e-3f);
  EXPECT_NEAR(PositionOf(label).y, 0.0f, 1e-3f);
  EXPECT_FALSE(Find(space, "Supplies H2").IsValid());
  EXPECT_TRUE(Find(space, "Supplies by the hatch").IsValid());
  registerer = Find(space, "Supplies H3")->GetComponent("Registerer");
  ASSERT_NE(registerer, nullptr);
  Json::Value values;
  registerer->SerializeMembers(values);
  EXPECT_EQ(values["Registerer"]["registryType"], "LOOT");
  EXPECT_FALSE((*recordOf("Open Space Left"))["components"]["RectangleCollider"].isMember("scale"))
      << "what equals the prefab goes";
  EXPECT_EQ((*recordOf("Supplies S2"))["components"]["Transform"]["position"], Parsed("[0.0, 0.0]"))
      << "but the placement a record held stays";
  player = Find(space, "Player1").Get();
  ASSERT_NE(player, nullptr);
  EXPECT_EQ(player->GetComponent("CircleCollider"), nullptr);
  EXPECT_EQ(player->GetComponent("Rigidbody"), nullptr);
  // The one report is the game's own about the body removed on purpose.
  EXPECT_EQ(output.CountOf("[ERROR]"), output.CountOf("needs a Rigidbody on the same object")) << output.Text();
  session->SetEditorSpace(nullptr);
  session->UnloadAllSpaces();
}

TEST_F(EditorLevelRoundTripTest, EveryHostileLevelTheLoaderAcceptsSavedUnchangedComesBackAsItWas)
{
  const std::string level = "hostile";
  RemoveFile removeLevel{Space::LevelPath(level)};
  CapturedLog output;
  for (unsigned seed = 1; seed <= 60; ++seed)
  {
    SCOPED_TRACE("seed " + std::to_string(seed));
    // The last one runs past the last object id among its first hostile records.
    const int filler = seed == 60 ? static_cast<int>(ChannelCount - EventManager::FirstObjectId) - 4 : 0;
    const Json::Value document = HostileLevel(seed, filler);
    ASSERT_TRUE(WriteJsonFile(document, Space::LevelPath(level)));
    ExpectSavingChangesNothing(level);
  }
  EXPECT_EQ(output.CountOf("objects could be built; the rest of the level is not loaded."), 2u);
  // The levels hold every kind of trouble they are meant to.
  for (const char* report : {"share the \"uuid\"", "names no object of the level", "has no integer \"who\"",
                             "the later one keeps it", "it would become its own ancestor", "are not an array",
                             "; the record is skipped", "Couldn't find the prefab named: Nowhere",
                             "\"FutureComponent\" is not a valid component name"})
    EXPECT_TRUE(output.Contains(report)) << report;
}

// A level read only in part must not lose what was not read when the editor saves it with no
// change: records past the last object id or unusable ones, components and members the program
// does not know, values a member refused, child entries that link nothing, keys beside the
// objects. A level whose file could not be read at all is not saved over.
TEST_F(EditorLevelRoundTripTest, ASaveWithoutEditsKeepsEveryRecordAndPartTheLoadCouldNotUse)
{
  const std::string level = "partly_read";
  const std::string path = Space::LevelPath(level);
  RemoveFile removeLevel{path};

  Json::Value objects(Json::arrayValue);
  const auto record = [](int uuid, const std::string& name) {
    Json::Value made;
    made["uuid"] = uuid;
    made["name"] = name;
    made["prefab"] = "Default";
    made["components"]["Transform"]["position"].append(uuid);
    made["components"]["Transform"]["position"].append(0);
    return made;
  };
  Json::Value parent = record(1, "parent");
  parent["children"].append(Json::Value(Json::objectValue))["who"] = 2;  // a record that is skipped
  parent["children"].append(Json::Value(Json::objectValue))["who"] = 3;
  objects.append(parent);
  Json::Value skipped = record(2, "skipped");
  skipped["name"] = 5;  // not a string: the record builds nothing
  objects.append(skipped);
  Json::Value unknown = record(3, "unknown parts");
  unknown["components"]["FutureComponent"]["power"] = 3;
  unknown["components"]["Transform"]["wobble"] = 7;
  objects.append(unknown);
  Json::Value refused = record(4, "refused");
  refused["components"]["Transform"]["position"][0] = 1e39;
  objects.append(refused);
  Json::Value moved = record(5, "refused then moved");
  moved["components"]["Transform"]["position"][0] = 1e39;
  objects.append(moved);
  for (int uuid = 6; uuid <= 9001; ++uuid)
    objects.append(record(uuid, "filler"));
  Json::Value document;
  document["version"] = 2;
  document["level"]["objects"] = objects;
  {
    CapturedLog quiet;
    ASSERT_TRUE(WriteJsonFile(document, path));
  }

  CapturedLog output;
  Space* space = LiveSpace(::GameSession::EditorSpaceName, level);
  session->SetEditorSpace(space);
  EXPECT_LT(space->GetObjectsById().size(), 7000u);
  EXPECT_EQ(output.CountOf("objects could be built; the rest of the level is not loaded."), 1u) << "said once";
  Handle<GameObject> refusedThenMoved = space->GetObjectNamed("refused then moved");
  ASSERT_TRUE(refusedThenMoved.IsValid());
  refusedThenMoved->GetTransform()->SetPosition(glm::vec2(12.0f, 0.0f));
  ASSERT_TRUE(session->SaveEditorLevel());

  Json::Value saved;
  ASSERT_TRUE(ReadJsonFile(saved, path));
  const Json::Value& written = saved["level"]["objects"];
  EXPECT_EQ(written.size(), 9001u) << "every record is written back";
  EXPECT_EQ(saved["version"], 2);
  std::map<std::string, Json::Value> byName;
  for (const Json::Value& entry : written)
    byName[entry["name"].isString() ? entry["name"].asString() : "(skipped)"] = entry;
  EXPECT_EQ(byName["(skipped)"], skipped);
  EXPECT_EQ(byName["unknown parts"]["uuid"], 3);
  EXPECT_EQ(byName["unknown parts"]["components"]["FutureComponent"], unknown["components"]["FutureComponent"]);
  EXPECT_EQ(byName["unknown parts"]["components"]["Transform"]["wobble"], 7);
  EXPECT_EQ(byName["refused"]["components"]["Transform"]["position"][0].asDouble(), 1e39);
  EXPECT_FLOAT_EQ(byName["refused then moved"]["components"]["Transform"]["position"][0].asFloat(), 12.0f)
      << "a member changed in the editor is saved as changed";
  EXPECT_EQ(byName["parent"]["uuid"], 1);
  std::vector<int> children;
  for (const Json::Value& entry : byName["parent"]["children"])
    children.push_back(entry["who"].asInt());
  std::sort(children.begin(), children.end());
  EXPECT_EQ(children, (std::vector<int>{2, 3})) << "the entry naming the skipped record stays too";

  // Saved again after loading what was saved, nothing drifts.
  const std::vector<std::string> first = FileLines(path);
  space->UnloadLevel();
  space->LoadLevel(level);
  ASSERT_TRUE(session->SaveEditorLevel());
  EXPECT_EQ(FirstDifference(first, FileLines(path)), "");

  // A file that could not be read leaves the editor with nothing: saving that would empty it.
  const std::string broken = "{ \"level\" : { \"objects\" : [ ] }, }";
  std::ofstream(path) << broken;
  space->UnloadLevel();
  space->LoadLevel(level);
  EXPECT_FALSE(session->SaveEditorLevel());
  EXPECT_TRUE(output.Contains("was not saved to " + path + ": its file could not be loaded")) << output.Text();
  std::ifstream reread(path);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(reread), {}), broken);
  session->SetEditorSpace(nullptr);
}

// Objects the editor adds take numbers nothing in the file holds: not a loaded object's, not a
// record's kept as read, and not the one a parent's child entry still names after its record was
// deleted by hand, which would make the new object that parent's child at the next load.
TEST_F(EditorLevelRoundTripTest, ObjectsTheEditorAddsTakeNumbersTheFileDoesNotHold)
{
  const std::string level = "added_to";
  const std::string path = Space::LevelPath(level);
  RemoveFile removeLevel{path};
  {
    CapturedLog quiet;
    ASSERT_TRUE(WriteJsonFile(Parsed(R"({ "level": { "objects": [
      { "uuid": 2, "name": "Parent", "components": { "Transform": { "position": [0, 500], "rotation": 0.5, "scale": [64, 64] } },
        "children": [ { "who": 1 }, { "who": 3 } ] },
      { "uuid": 3, "name": "Crate", "components": { "Transform": { "position": [300, 0] } } },
      { "uuid": 4, "name": 5 } ] } })"),
                              path));
  }
  CapturedLog output;
  Space* space = LiveSpace(::GameSession::EditorSpaceName, level);
  session->SetEditorSpace(space);
  ::Editor::Editor& editor = session->GetEditor();
  editor.CreateObjectFromPrefab("Default", space);
  const Handle<GameObject> added = space->GetObjectNamed("New Object");
  ASSERT_TRUE(added.IsValid());
  space->RenameObject(added, "Crate3");
  added->GetTransform()->SetWorldPosition(300.0f, 0.0f);
  ASSERT_TRUE(Find(space, "Parent")->Duplicate().IsValid());
  // A child's copy stands free, as large and as turned as the child is on screen.
  const Handle<GameObject> crateCopy = Find(space, "Crate")->Duplicate();
  ASSERT_TRUE(crateCopy.IsValid());
  space->RenameObject(crateCopy, "CrateCopy");
  const glm::mat3 onScreen = Find(space, "Crate")->GetTransform()->GetWorldMatrix();
  for (int column = 0; column < 3; ++column)
    for (int row = 0; row < 2; ++row)
      EXPECT_NEAR(crateCopy->GetTransform()->GetWorldMatrix()[column][row], onScreen[column][row], 0.01f);
  const std::vector<std::string> edited = Describe(*space);
  ASSERT_TRUE(session->SaveEditorLevel());

  Json::Value saved;
  ASSERT_TRUE(ReadJsonFile(saved, path));
  std::map<std::string, std::vector<int>> uuids;
  for (const Json::Value& record : saved["level"]["objects"])
    uuids[record["name"].isString() ? record["name"].asString() : "(skipped)"].push_back(record["uuid"].asInt());
  // What was loaded keeps its number (the copy comes after its original), and each new object takes
  // a number nothing in the file held.
  EXPECT_EQ(uuids["Crate"], std::vector<int>{3});
  EXPECT_EQ(uuids["(skipped)"], std::vector<int>{4});
  ASSERT_EQ(uuids["Parent"].size(), 2u);
  EXPECT_EQ(uuids["Parent"][0], 2);
  ASSERT_EQ(uuids["Crate3"].size(), 1u);
  std::set<int> taken{1, 2, 3, 4};
  for (const int newUuid : {uuids["Crate3"][0], uuids["Parent"][1]})
    EXPECT_TRUE(taken.insert(newUuid).second) << "a new object is saved under " << newUuid;

  space->UnloadLevel();
  space->LoadLevel(level);
  EXPECT_EQ(FirstDifference(edited, Describe(*space)), "");
  const Handle<GameObject> reloaded = Find(space, "Crate3");
  ASSERT_TRUE(reloaded.IsValid());
  EXPECT_FALSE(reloaded->GetParent().IsValid());
  EXPECT_EQ(reloaded->GetTransform()->GetWorldPosition(), glm::vec2(300.0f, 0.0f));
  session->SetEditorSpace(nullptr);
}
