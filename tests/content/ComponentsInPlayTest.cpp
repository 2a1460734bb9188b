// Every component type the game registers is placed somewhere in play: some shipped level or
// prefab carries it. A type that only tests ever build is not part of the game, so a new type shows
// here until a level script places it. The few that stay out are listed with the reason.
#include "core/FileUtilities.h"
#include "object/ComponentList.h"

#include <gtest/gtest.h>
#include <json/json.h>

#include <filesystem>
#include <map>
#include <set>
#include <string>

namespace
{
namespace fs = std::filesystem;

// The types no shipped level or prefab places, and why.
const std::map<std::string, std::string> KeptOutOfPlay = {
    {"RayCastTest", "a debug aid: it casts a fan of rays every frame only to draw them in the debug view"},
    {"SimpleButtonLogic", "it starts a new run when anything at all touches it; runs start from the menu's START "
                          "button (ButtonStartGame), and in the levels where bodies move (the tutorial, the "
                          "encounters) a stray shot, can or piece of rubble would throw the player into a new run"},
    {"Special", "the base the four special abilities share; an item carrying it alone would have a cooldown and "
                "no ability, so the abilities are placed through SpecialBlinkLogic, SpecialDashLogic, "
                "SpecialHOTLogic and SpecialShieldLogic"},
};

// The fixture the object and editor tests load is hand-made for them, not part of the game.
bool IsShipped(const fs::path& file)
{
  return file.stem() != "testlevel";
}

void AddComponentNames(const Json::Value& components, std::set<std::string>& used)
{
  if (!components.isObject())
    return;
  for (const std::string& name : components.getMemberNames())
    used.insert(name);
}

// The component types named by the levels' objects (and their inline children) and the prefabs.
std::set<std::string> TypesInPlay()
{
  std::set<std::string> used;
  for (const fs::directory_entry& entry : fs::directory_iterator("Assets/LevelFiles"))
  {
    Json::Value level;
    if (entry.path().extension() != ".json" || !IsShipped(entry.path()) || !ReadJsonFile(level, entry.path().string()))
      continue;
    for (const Json::Value& object : level["level"]["objects"])
      AddComponentNames(object["components"], used);
  }
  for (const fs::directory_entry& entry : fs::directory_iterator("Assets/Prefabs"))
  {
    Json::Value prefab;
    if (entry.path().extension() != ".prefab" || !ReadJsonFile(prefab, entry.path().string()) || !prefab.isObject())
      continue;
    for (const std::string& name : prefab.getMemberNames())
      AddComponentNames(prefab[name], used);
  }
  return used;
}
}  // namespace

TEST(ComponentsInPlayTest, EveryComponentTypeIsPlacedByALevelOrPrefabSaveTheListedOnes)
{
  const std::set<std::string> used = TypesInPlay();
  ASSERT_GT(used.size(), 100u) << "the levels and prefabs were not found";
  std::string unplaced;
  for (std::uint32_t type = 0; type < ComponentTypeCount; ++type)
  {
    const std::string name = ComponentList::NameOf(type);
    const bool placed = used.count(name) != 0;
    if (!placed && KeptOutOfPlay.count(name) == 0)
      unplaced += "\n  " + name;
    if (placed && KeptOutOfPlay.count(name) != 0)
      ADD_FAILURE() << name << " is placed now: take it off the list of types kept out of play";
  }
  EXPECT_TRUE(unplaced.empty()) << "no shipped level or prefab places these types:" << unplaced;
}
