// Broken level and prefab files, each fed to the loaders as the game reads them (from an
// Assets folder beside the working directory): every one is reported with an "[ERROR]" line,
// whatever is sound in it loads, nothing crashes and the file is left as it was.
#include "object/LevelTestEnvironment.h"

#include "support/CapturedLog.h"
#include "support/TemporaryDirectory.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <stdexcept>
#include <vector>

namespace fs = std::filesystem;

namespace
{
struct BrokenFile
{
  std::string label;
  std::string bytes;
  // The names of the objects (levels) or prefabs the file still gives, sorted.
  std::vector<std::string> survivors;
};

std::string Quote(const std::string& text)
{
  return "\"" + text + "\"";
}

// A record that is sound, beside the broken one: it must load whatever its neighbour holds.
const std::string SoundRecord = R"({ "uuid": 1, "name": "Sound", "prefab": "Marker" })";

std::string LevelOf(const std::string& records)
{
  return R"({ "level": { "objects": [ )" + records + " ] } }";
}

// A level with the sound record and one record named "Broken" whose `key` holds `value`.
BrokenFile RecordKey(const std::string& key, const std::string& value, bool brokenSurvives)
{
  std::map<std::string, std::string> fields{{"uuid", "2"}, {"name", Quote("Broken")}, {"prefab", Quote("Marker")}};
  fields[key] = value;
  std::string broken;
  for (const auto& [field, text] : fields)
    broken += (broken.empty() ? "{ " : ", ") + Quote(field) + ": " + text;
  broken += " }";
  std::vector<std::string> survivors{"Sound"};
  if (brokenSurvives)
    survivors.insert(survivors.begin(), "Broken");
  return {"record " + key + " = " + value, LevelOf(SoundRecord + ", " + broken), survivors};
}

// Bytes no text editor writes: NULs, bytes above 127, a PNG signature, a stray brace.
std::string Garbage()
{
  const unsigned char bytes[] = {0x00, 0xFF, 0xFE, 0x7B, 0x22, 0x6C, 0x65, 0x76, 0x89, 0x50, 0x4E, 0x47, 0x0D,
                                 0x0A, 0x1A, 0x0A, 0x00, 0x00, 0x00, 0x0D, 0x49, 0x48, 0x44, 0x52, 0x5B, 0xC3};
  return std::string(reinterpret_cast<const char*>(bytes), sizeof(bytes));
}

std::vector<std::string> Sorted(std::vector<std::string> names)
{
  std::sort(names.begin(), names.end());
  return names;
}

std::vector<BrokenFile> BrokenLevels()
{
  std::vector<BrokenFile> files{
      {"truncated", LevelOf(SoundRecord).substr(0, 40), {}},
      {"truncated inside a record", R"({ "level": { "objects": [ { "uuid": 1, "name": "Sound", "pre)", {}},
      {"empty", "", {}},
      {"blank", " \n\t\n", {}},
      {"binary garbage", Garbage(), {}},
      {"nesting deeper than any level", std::string(100000, '['), {}},
      {"root an array", "[ " + SoundRecord + " ]", {}},
      {"root a string", R"("level")", {}},
      {"root a number", "12", {}},
      {"root a boolean", "true", {}},
      {"root null", "null", {}},
      {"no level", R"({ "objects": [ )" + SoundRecord + " ] }", {}},
      {"text after the level", LevelOf(SoundRecord) + " ]", {}},
      {"a name that is not UTF-8", LevelOf(R"({ "uuid": 1, "name": "Caf)" "\xE9" R"( l" })"), {}},
      {"level an array", R"({ "level": [ )" + SoundRecord + " ] }", {}},
      {"level a string", R"({ "level": "objects" })", {}},
      {"level a number", R"({ "level": 3 })", {}},
      {"level a boolean", R"({ "level": false })", {}},
      {"level null", R"({ "level": null })", {}},
      {"objects an object", R"({ "level": { "objects": )" + SoundRecord + " } }", {}},
      {"objects a string", R"({ "level": { "objects": "Sound" } })", {}},
      {"objects a number", R"({ "level": { "objects": 1 } })", {}},
      {"objects a boolean", R"({ "level": { "objects": true } })", {}},
      {"a record that is a number", LevelOf(SoundRecord + ", 7"), {"Sound"}},
      {"a record that is a string", LevelOf(SoundRecord + R"(, "Broken")"), {"Sound"}},
      {"a record that is an array", LevelOf(SoundRecord + ", []"), {"Sound"}},
      {"a record that is null", LevelOf(SoundRecord + ", null"), {"Sound"}},
      {"a record without uuid", LevelOf(SoundRecord + R"(, { "name": "Broken" })"), {"Sound"}},
      {"unknown component",
       LevelOf(SoundRecord + R"(, { "uuid": 2, "name": "Broken", "components": { "Doorframe": { "width": 3 } } })"),
       {"Broken", "Sound"}},
      {"unknown prefab", LevelOf(SoundRecord + R"(, { "uuid": 2, "name": "Broken", "prefab": "Nowhere" })"),
       {"Broken", "Sound"}},
      {"a child naming a missing uuid",
       LevelOf(SoundRecord + R"(, { "uuid": 2, "name": "Broken", "children": [ { "who": 77 }, { "who": 1 } ] })"),
       {"Broken", "Sound"}},
      {"a child of itself", LevelOf(SoundRecord + R"(, { "uuid": 2, "name": "Broken", "children": [ { "who": 2 } ] })"),
       {"Broken", "Sound"}},
      {"two objects each other's child",
       LevelOf(R"({ "uuid": 1, "name": "Sound", "children": [ { "who": 2 } ] },
                  { "uuid": 2, "name": "Broken", "children": [ { "who": 1 } ] })"),
       {"Broken", "Sound"}},
      {"a cycle of three",
       LevelOf(R"({ "uuid": 1, "name": "Sound", "children": [ { "who": 2 } ] },
                  { "uuid": 2, "name": "Broken", "children": [ { "who": 3 } ] },
                  { "uuid": 3, "name": "Third", "children": [ { "who": 1 } ] })"),
       {"Broken", "Sound", "Third"}},
      {"two records with one uuid",
       LevelOf(R"({ "uuid": 1, "name": "Sound" }, { "uuid": 1, "name": "Broken" },
                  { "uuid": 3, "name": "Third", "children": [ { "who": 1 } ] })"),
       {"Broken", "Sound", "Third"}},
      {"one child of two parents",
       LevelOf(R"({ "uuid": 1, "name": "Sound", "children": [ { "who": 3 } ] },
                  { "uuid": 2, "name": "Broken", "children": [ { "who": 3 } ] },
                  { "uuid": 3, "name": "Third" })"),
       {"Broken", "Sound", "Third"}},
  };
  // Every key of a record with every JSON kind it must not have.
  for (const std::string value : {"5", "true", "[]", "{}"})
  {
    files.push_back(RecordKey("name", value, false));
    files.push_back(RecordKey("prefab", value, false));
  }
  for (const std::string value : {R"("2")", "2.5", "true", "[]", "{}", "4294967296"})
    files.push_back(RecordKey("uuid", value, false));
  for (const std::string value : {R"("Transform")", "5", "true", "[]"})
    files.push_back(RecordKey("components", value, false));
  // Wrong kinds one level down: the object loads with its prefab's values.
  for (const std::string value : {R"("big")", "5", "true", "[]"})
    files.push_back(RecordKey("components", R"({ "Transform": )" + value + " }", true));
  files.push_back(
      RecordKey("components", R"({ "Transform": { "position": "far", "rotation": [1], "scale": true } })", true));
  for (const std::string value : {R"("1")", "1", "true", R"({ "who": 1 })"})
    files.push_back(RecordKey("children", value, true));
  for (const std::string value : {"1", R"("1")", "[]", "null", "{}", R"({ "who": "1" })", R"({ "who": 1.5 })",
                                   R"({ "who": [1] })", R"({ "who": true })"})
    files.push_back(RecordKey("children", "[ " + value + " ]", true));
  return files;
}

std::vector<BrokenFile> BrokenPrefabFiles()
{
  std::vector<BrokenFile> files{
      {"truncated", R"({ "Crate": { "Transform": { "scale": [2, )", {}},
      {"empty", "", {}},
      {"binary garbage", Garbage(), {}},
      {"nesting deeper than any prefab", std::string(100000, '['), {}},
      {"root an array", R"([ { "Crate": { "Transform": null } } ])", {}},
      {"root a string", R"("Crate")", {}},
      {"root a number", "3", {}},
      {"root a boolean", "false", {}},
      {"root null", "null", {}},
      {"no level", R"({ "objects": [ )" + SoundRecord + " ] }", {}},
      {"text after the level", LevelOf(SoundRecord) + " ]", {}},
      {"a name that is not UTF-8", LevelOf(R"({ "uuid": 1, "name": "Caf)" "\xE9" R"( l" })"), {}},
      {"unknown component", R"({ "Crate": { "Doorframe": { "width": 3 }, "Transform": { "rotation": 1 } } })",
       {"Crate"}},
      {"member values of the wrong kind",
       R"({ "Crate": { "Transform": { "position": "far", "scale": { "x": 1 } },
                       "ChildSpawner": { "objects to spawn": 5 } } })",
       {"Crate"}},
      {"spawn entries of the wrong kind",
       R"({ "Crate": { "ChildSpawner": { "objects to spawn": [ 7, { "offset": "left", "prefab": 5 }, [] ] },
                       "Transform": null } })",
       {"Crate"}},
      {"spawns an unknown prefab",
       R"({ "Crate": { "ChildSpawner": { "objects to spawn": [ { "offset": [0, 0], "prefab": "Nowhere" } ] },
                       "Transform": null } })",
       {"Crate"}},
      {"spawns itself through another",
       R"({ "Crate": { "ChildSpawner": { "objects to spawn": [ { "offset": [0, 0], "prefab": "Lid" } ] } },
            "Lid": { "ChildSpawner": { "objects to spawn": [ { "offset": [1, 0], "prefab": "Crate" } ] } } })",
       {"Crate", "Lid"}},
  };
  // A prefab, then one component, with every JSON kind it must not have: the file is skipped.
  for (const std::string value : {"[]", R"("Transform")", "4", "true"})
  {
    files.push_back({"prefab " + value, R"({ "Crate": )" + value + R"(, "Lid": { "Transform": null } })", {}});
    files.push_back({"component " + value, R"({ "Crate": { "Transform": )" + value + " } }", {}});
  }
  return files;
}
// A component whose member cannot be read: a failure nobody foresaw, inside a save.
class UnreadableMember : public MemberBase
{
public:
  UnreadableMember() : MemberBase("unreadable", true, true) {}
  void RenderEditor() override {}
  void Serialize(Json::Value&) const override { throw std::runtime_error("the value cannot be read"); }
  bool Deserialize(const Json::Value&) override { return true; }
  bool Equals(const MemberBase&) const override { return false; }
  bool HasChanged() const override { return true; }
};

class Unreadable : public Component
{
public:
  Unreadable() : Component(COMP_Health) {}
  void GetMembers(std::vector<MemberBase*>& members) override
  {
    members.push_back(MemoryManager::New<UnreadableMember>(BRINDLE_SITE));
  }
};
}  // namespace


class BrokenLevelFilesTest : public LevelTest
{
protected:
  BrokenLevelFilesTest() : previousDirectory(fs::current_path())
  {
    assets.Write("Assets/LevelFiles/.keep", "");
    assets.Write("Assets/Prefabs/Sound.prefab", SoundPrefabs);
    fs::current_path(assets.Path());
    PrefabFiles().Install(factory);
    factory.ReLoadPrefabs();
  }

  ~BrokenLevelFilesTest() override
  {
    space->UnloadLevel();
    fs::current_path(previousDirectory);
  }

  std::vector<std::string> LoadedNames()
  {
    std::vector<std::string> names;
    for (auto entry = space->ObjectsBegin(); entry != space->ObjectsEnd(); ++entry)
      names.push_back(entry->second->GetName());
    return Sorted(names);
  }

  // Every parent chain ends: no object became its own ancestor.
  bool HierarchyHasNoCycle()
  {
    const std::size_t count = space->GetObjectsById().size();
    for (const auto& [id, object] : space->GetObjectsById())
    {
      std::size_t steps = 0;
      for (const Transform* at = object->GetTransform(); at != nullptr; at = at->GetParent())
      {
        if (++steps > count)
          return false;
      }
    }
    return true;
  }

  std::vector<std::string> PrefabNamesBesidesTheSoundOnes()
  {
    std::vector<std::string> names;
    for (const std::string& name : factory.GetPrefabNames())
    {
      if (name != "Default" && name != "Marker")
        names.push_back(name);
    }
    return names;
  }

  static constexpr const char* SoundPrefabs =
      R"({ "Default": { "Transform": null }, "Marker": { "Transform": { "scale": [0.5, 0.5] } } })";

  TemporaryDirectory assets;
  fs::path previousDirectory;
};

TEST_F(BrokenLevelFilesTest, EveryBrokenLevelIsReportedLoadsWhatIsSoundAndStaysAsItWas)
{
  for (const BrokenFile& file : BrokenLevels())
  {
    SCOPED_TRACE(file.label);
    assets.Write("Assets/LevelFiles/broken.json", file.bytes);
    {
      CapturedLog output;
      space->LoadLevel("broken");
      EXPECT_TRUE(output.Contains("[ERROR]")) << output.Text();
    }
    EXPECT_EQ(LoadedNames(), file.survivors);
    EXPECT_TRUE(HierarchyHasNoCycle());
    EXPECT_EQ(assets.Read("Assets/LevelFiles/broken.json"), file.bytes);
    EXPECT_EQ(assets.FileNames("Assets/LevelFiles"), (std::vector<std::string>{".keep", "broken.json"}));
    space->UnloadLevel();
  }
}

TEST_F(BrokenLevelFilesTest, WhatIsSoundKeepsItsValuesAndParents)
{
  assets.Write("Assets/LevelFiles/broken.json",
               LevelOf(R"({ "uuid": 1, "name": "Parent",
                            "components": { "Transfrom": { "position": [1, 1] }, "Transform": { "position": [4, 5] } },
                            "children": [ { "who": 9 }, { "who": "2" }, { "who": 2 } ] },
                          { "uuid": 2, "name": "Child", "prefab": "Nowhere",
                            "components": { "Transform": { "position": "far", "rotation": 0.5 } } },
                          { "name": "No uuid" }, { "uuid": "7", "name": "Text uuid" }, { "uuid": 3, "name": 5 },
                          "not a record",
                          { "uuid": 10, "name": "A", "children": [ { "who": 11 } ] },
                          { "uuid": 11, "name": "B", "children": [ { "who": 12 } ] },
                          { "uuid": 12, "name": "C", "children": [ { "who": 10 }, { "who": 12 } ] },
                          { "uuid": 13, "name": "D", "children": [ { "who": 15 } ] },
                          { "uuid": 14, "name": "E", "children": [ { "who": 15 } ] }, { "uuid": 15, "name": "F" })"));
  CapturedLog output;
  space->LoadLevel("broken");

  EXPECT_EQ(space->GetObjectsById().size(), 8u);
  // Of a cycle, the link that would close it is refused: each is a failed check and an error.
  EXPECT_EQ(asserts.Count(), 2u);
  EXPECT_TRUE(output.Contains("[ERROR] \"A\" is not made a child of \"C\": it would become its own ancestor.\n"));
  EXPECT_FALSE(Find(*space, "A")->GetParent().IsValid());
  EXPECT_EQ(Find(*space, "C")->GetParent(), Find(*space, "B"));
  EXPECT_EQ(Find(*space, "C")->GetTransform()->GetWorldPosition(), glm::vec2(0.0f, 0.0f));
  EXPECT_TRUE(output.Contains("\"F\" is listed as a child of \"D\" and of \"E\"; the later one keeps it."));
  EXPECT_EQ(Find(*space, "F")->GetParent(), Find(*space, "E"));
  EXPECT_EQ(output.CountOf("object record"), 4u) << output.Text();
  EXPECT_TRUE(output.Contains("[ERROR] Component : \"Transfrom\" is not a valid component name, in prefab: "
                              "\"Default\" from level: \"\"\n")) << output.Text();
  EXPECT_TRUE(output.Contains("the child 9 of \"Parent\" names no object of the level; it is skipped."));
  EXPECT_TRUE(output.Contains("a child entry of \"Parent\" has no integer \"who\"; it is skipped."));
  EXPECT_TRUE(output.Contains("[ERROR] Couldn't find the prefab named: Nowhere"));
  const Handle<GameObject> parent = Find(*space, "Parent");
  const Handle<GameObject> child = Find(*space, "Child");
  ASSERT_TRUE(parent.IsValid() && child.IsValid());
  EXPECT_EQ(parent->GetTransform()->GetPosition(), glm::vec2(4, 5));
  EXPECT_EQ(child->GetTransform()->GetParent(), parent->GetTransform());
  EXPECT_FLOAT_EQ(child->GetTransform()->GetRotation(), 0.5f);
  EXPECT_EQ(child->GetTransform()->GetPosition(), glm::vec2(0, 0));
}

TEST_F(BrokenLevelFilesTest, EveryBrokenPrefabFileIsReportedAndTheOthersStillLoad)
{
  for (const BrokenFile& file : BrokenPrefabFiles())
  {
    SCOPED_TRACE(file.label);
    assets.Write("Assets/Prefabs/Broken.prefab", file.bytes);
    {
      CapturedLog output;
      factory.ReLoadPrefabs();
      EXPECT_TRUE(factory.HasPrefab("Default") && factory.HasPrefab("Marker"));
      EXPECT_EQ(PrefabNamesBesidesTheSoundOnes(), file.survivors);
      // What a broken prefab still defines builds and wakes; spawn problems are reported, not fatal.
      for (const std::string& prefabName : file.survivors)
      {
        Handle<GameObject> object;
        factory.CreateGameObject(object, prefabName, space.get(), prefabName);
        EXPECT_TRUE(object.IsValid());
      }
      // Reported as the file loads, or, for what it spawns, as its objects are made.
      EXPECT_TRUE(output.Contains("[ERROR]")) << output.Text();
      space->UnloadLevel();
    }
    EXPECT_EQ(assets.Read("Assets/Prefabs/Broken.prefab"), file.bytes);
    EXPECT_EQ(assets.FileNames("Assets/Prefabs"), (std::vector<std::string>{"Broken.prefab", "Sound.prefab"}));
  }
}

TEST_F(BrokenLevelFilesTest, APrefabNameThatLeadsOutOfThePrefabFolderIsRefused)
{
  const std::vector<std::string> before = assets.FileNames("Assets");
  Handle<GameObject> object;
  factory.CreateGameObject(object, "Marker", space.get(), "Thing");
  for (const std::string name : {"../Escape", "..", "Sub/Thing", "..\\Escape", "a/../../b", "/tmp/Escape"})
  {
    SCOPED_TRACE(name);
    CapturedLog output;
    EXPECT_FALSE(PrefabFiles().Save(factory, name, *object));
    EXPECT_TRUE(output.Contains("[ERROR] The prefab name \"" + name + "\" holds a path separator or \"..\""));
    EXPECT_EQ(object->GetPrefabName(), "Marker");
    EXPECT_FALSE(factory.HasPrefab(name));
  }
  EXPECT_EQ(assets.FileNames("Assets"), before);
  EXPECT_EQ(assets.FileNames("Assets/Prefabs"), (std::vector<std::string>{"Sound.prefab"}));
  EXPECT_FALSE(fs::exists(assets.Path() / "Escape.prefab"));

  // A name read from a prefab file is not written back out of the folder either.
  factory.DefinePrefab("../Escape", Parsed(R"({"Transform": null})"), "test");
  // Changed, so that the save writes them.
  for (const std::string& prefabName : factory.GetPrefabNames())
    factory.FindPrefab(prefabName)->back().second->Deserialize(Parsed(R"({"rotation": 2})"));
  CapturedLog output;
  PrefabFiles().SaveAll(factory);
  EXPECT_TRUE(output.Contains("[ERROR] The prefab name \"../Escape\""));
  EXPECT_FALSE(fs::exists(assets.Path() / "Assets/Escape.prefab"));
  // The others go back into the one file they were read from, together.
  EXPECT_EQ(assets.FileNames("Assets/Prefabs"), std::vector<std::string>{"Sound.prefab"});
  EXPECT_EQ(Parsed(assets.Read("Assets/Prefabs/Sound.prefab")),
            Parsed(R"({ "Default": { "Transform": { "rotation": 2.0 } },
                        "Marker": { "Transform": { "rotation": 2.0, "scale": [0.5, 0.5] } } })"));
}

// No save ends the program. A component entry that is not an object of members (a Transform given
// as false, true, 0, a list or a text) loads with one error, keeps its text while nothing changes,
// and is written afresh once its object is moved. A failure inside a save is reported, and the
// file keeps what it held.
TEST_F(BrokenLevelFilesTest, NoSaveEndsTheProgram)
{
  const std::string path = "Assets/LevelFiles/kinds.json";
  const std::vector<std::string> kinds{"false", "true", "0", "[5, 5]", "\"x\""};
  std::string records = R"({ "uuid": 9, "name": "Still", "prefab": "Marker", "components": { "Transform": 0 } })";
  for (std::size_t index = 0; index < kinds.size(); ++index)
    records += R"(, { "uuid": )" + std::to_string(index + 1) + R"(, "name": "Moved )" + std::to_string(index) +
               R"(", "prefab": "Marker", "components": { "Transform": )" + kinds[index] + " } }";
  assets.Write(path, LevelOf(records));
  CapturedLog output;
  space->LoadLevel("kinds");
  EXPECT_EQ(output.CountOf("[ERROR]"), kinds.size() + 1) << output.Text();
  for (std::size_t index = 0; index < kinds.size(); ++index)
    Find(*space, "Moved " + std::to_string(index))->GetTransform()->SetWorldPosition(10.0f * (index + 1), 0.0f);
  ASSERT_TRUE(space->SaveLevel(path));
  for (const Json::Value& record : Parsed(assets.Read(path))["level"]["objects"])
  {
    const std::string name = record["name"].asString();
    const std::size_t index = name == "Still" ? 0 : std::stoul(name.substr(6)) + 1;
    EXPECT_EQ(record["components"]["Transform"],
              index == 0 ? Json::Value(0) : Parsed("{\"position\": [" + std::to_string(10 * index) + ".0, 0.0]}"))
        << name;
  }
  space->UnloadLevel();
  space->LoadLevel("kinds");
  EXPECT_EQ(PositionOf(Find(*space, "Moved 4")), glm::vec2(50.0f, 0.0f));

  const std::string level = assets.Read(path);
  const std::string prefabs = assets.Read("Assets/Prefabs/Sound.prefab");
  GameObject& still = *Find(*space, "Still");
  still.AttachComponent(MemoryManager::New<Unreadable>(BRINDLE_SITE));
  EXPECT_FALSE(space->SaveLevel(path));
  EXPECT_TRUE(output.Contains("[ERROR] The level file " + path + " was not saved: the value cannot be read. Its file "
                              "keeps what it held.")) << output.Text();
  EXPECT_FALSE(PrefabFiles().Save(factory, "Marker", still));
  EXPECT_TRUE(output.Contains("[ERROR] The prefab \"Marker\" was not saved: the value cannot be read."));
  EXPECT_EQ(assets.Read(path), level);
  EXPECT_EQ(assets.Read("Assets/Prefabs/Sound.prefab"), prefabs);
  EXPECT_EQ(assets.FileNames("Assets/LevelFiles"), (std::vector<std::string>{".keep", "kinds.json"}));
}
