// Every name the content uses resolves to something Assets/ provides: the prefabs, pictures,
// sounds and levels that levels and prefabs name, and the prefab and sound names written in the
// code. A typo in a level script or a renamed picture shows here, not as a missing object in play.
#include "support/TestWorkingFolder.h"

#include "core/FileUtilities.h"

#include <gtest/gtest.h>
#include <json/json.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace
{
namespace fs = std::filesystem;

std::set<std::string> FileStems(const fs::path& folder, const std::string& extension)
{
  std::set<std::string> names;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder))
    if (entry.path().extension() == extension)
      names.insert(entry.path().stem().string());
  return names;
}

// What Assets/ provides, by kind.
struct Catalogue
{
  std::set<std::string> prefabs;  // by the name inside each file, which its file name need not spell
  std::set<std::string> levels = FileStems("Assets/LevelFiles", ".json");
  std::set<std::string> pictures;
  std::set<std::string> sounds;

  Catalogue()
  {
    for (const fs::directory_entry& entry : fs::directory_iterator("Assets/Prefabs"))
    {
      Json::Value prefab;
      if (entry.path().extension() == ".prefab" && ReadJsonFile(prefab, entry.path().string()) && prefab.isObject())
        for (const std::string& name : prefab.getMemberNames())
          prefabs.insert(name);
    }
    std::ifstream atlas("Assets/Atlas/THE_ATLAS.txt");
    for (std::string line; std::getline(atlas, line);)
      if (const std::size_t equals = line.find(" = "); equals != std::string::npos)
        pictures.insert(line.substr(0, equals));
    Json::Value resources;
    if (ReadJsonFile(resources, "Assets/RESOURCES.json"))
      for (const Json::Value& resource : resources["resources"])
        pictures.insert(resource["name"].asString());
    std::ifstream soundList("Assets/SoundResources.txt");
    for (std::string line; std::getline(soundList, line);)
      if (!line.empty())
        sounds.insert(line);
  }
};

bool NamesAPrefab(const std::string& key)
{
  return key == "prefab" || key.find("Prefab") != std::string::npos || key.rfind("starting", 0) == 0;
}

bool NamesAPicture(const std::string& key)
{
  return key == "source" || key == "texture" || key == "images";
}

bool NamesALevel(const std::string& key, const std::string& component)
{
  return key == "nextLevel" || key == "level filename" || key == "firstLevel" ||
         (key == "target" && component.find("Button") != std::string::npos);
}

// Walks a level or prefab file and lists each name that resolves to nothing.
class ReferenceChecker
{
public:
  explicit ReferenceChecker(const Catalogue& catalogue) : catalogue(catalogue) {}

  void CheckFile(const fs::path& path)
  {
    Json::Value root;
    if (!ReadJsonFile(root, path.string()))
    {
      unresolved.push_back(path.string() + ": cannot be read");
      return;
    }
    file = path.filename().string();
    Walk(root, "", "");
  }

  void Check(const std::string& where, const std::string& kind, const std::string& name,
             const std::set<std::string>& known)
  {
    if (!name.empty() && known.count(name) == 0)
      unresolved.push_back(where + ": no " + kind + " \"" + name + "\"");
  }

  std::vector<std::string> unresolved;

private:
  void Walk(const Json::Value& value, const std::string& key, const std::string& component)
  {
    if (value.isObject())
    {
      for (const std::string& member : value.getMemberNames())
        Walk(value[member], member, value[member].isObject() ? member : component);
      return;
    }
    if (value.isArray())
    {
      for (const Json::Value& element : value)
        Walk(element, key, component);
      return;
    }
    if (!value.isString())
      return;
    const std::string text = value.asString();
    const std::string where = file + " " + component + "/" + key;
    if (text.rfind("event:/", 0) == 0)
      Check(where, "sound", text, catalogue.sounds);
    else if (NamesAPrefab(key))
      Check(where, "prefab", text, catalogue.prefabs);
    else if (NamesAPicture(key))
      Check(where, "picture", text, catalogue.pictures);
    else if (NamesALevel(key, component))
      Check(where, "level", text, catalogue.levels);
  }

  const Catalogue& catalogue;
  std::string file;
};

std::string Listed(const std::vector<std::string>& lines)
{
  std::ostringstream text;
  for (const std::string& line : lines)
    text << "\n  " << line;
  return text.str();
}
}  // namespace

TEST(ContentReferencesTest, LevelsPrefabsAndSettingsNameOnlyWhatAssetsProvide)
{
  const Catalogue catalogue;
  ASSERT_FALSE(catalogue.pictures.empty());
  ASSERT_FALSE(catalogue.sounds.empty());
  ReferenceChecker checker(catalogue);
  for (const char* folder : {"Assets/LevelFiles", "Assets/Prefabs"})
    for (const fs::directory_entry& entry : fs::directory_iterator(folder))
      checker.CheckFile(entry.path());
  checker.CheckFile("Assets/GameSettings");
  EXPECT_TRUE(checker.unresolved.empty()) << Listed(checker.unresolved);
}

TEST(ContentReferencesTest, TheCodeNamesOnlyPrefabsAndSoundsThatExist)
{
  const Catalogue catalogue;
  ReferenceChecker checker(catalogue);
  // A sound path anywhere, a prefab in a constant named after one, or spelled out where it is made.
  const std::regex sound("\"(event:/[^\"]+)\"");
  const std::regex prefab("(?:Prefab\\w*\\s*=\\s*|SpawnAt\\()\"([^\"]+)\"");
  const fs::path sources = TestWorkingFolder::SourceAssets().parent_path() / "src";
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(sources))
  {
    if (!entry.is_regular_file())
      continue;
    const std::string text = ReadWholeFile(entry.path().string());
    const std::string where = fs::relative(entry.path(), sources).string();
    for (std::sregex_iterator match(text.begin(), text.end(), sound), end; match != end; ++match)
      if ((*match)[1] != "event:/...")  // the placeholder in a comment or a help text
        checker.Check(where, "sound", (*match)[1], catalogue.sounds);
    for (std::sregex_iterator match(text.begin(), text.end(), prefab), end; match != end; ++match)
      checker.Check(where, "prefab", (*match)[1], catalogue.prefabs);
  }
  EXPECT_TRUE(checker.unresolved.empty()) << Listed(checker.unresolved);
}
