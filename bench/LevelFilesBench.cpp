// Loading and saving a level of 2,000 objects, as the game reads and writes its level files.
//
// Counters to read: objects_per_second for each; load_vs_parse is the load's time against
// reading and parsing the same file with jsoncpp alone (what building, parenting and waking
// add), save_vs_write the save's time against writing the same document with jsoncpp's styled
// writer alone. Both baselines are measured in the same iterations as what they are set against.
#include "BenchScene.h"
#include "app/AllComponents.h"

#include "core/EventManager.h"
#include "core/FileUtilities.h"
#include "core/MemoryManager.h"
#include "object/GameobjectFactory.h"
#include "object/PrefabFiles.h"
#include "object/Registry.h"
#include "object/Space.h"

#include <benchmark/benchmark.h>
#include <json/json.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <unistd.h>

namespace
{
constexpr int ObjectCount = 2000;

const char* const BenchPrefabs = R"({
  "Default": { "Transform": null },
  "Marker": { "Transform": { "scale": [0.5, 0.5] } },
  "Crate": { "Registerer": { "registryType": "INTERACTABLES" }, "Transform": { "scale": [2, 2] } },
  "Ball": { "CircleCollider": null, "Rigidbody": { "velocityDrag": 0.5 }, "Transform": null }
})";

// Every fifth object holds the next two as children; every 50th turns, every 100th is
// filed under another role; positions all differ from the prefabs'.
Json::Value GeneratedLevel(int objectCount = ObjectCount)
{
  const char* const prefabs[] = {"Default", "Marker", "Crate", "Ball"};
  Json::Value objects(Json::arrayValue);
  for (int index = 0; index < objectCount; ++index)
  {
    Json::Value record;
    const std::string prefab = prefabs[index % 4];
    record["uuid"] = index + 1;
    record["name"] = prefab + " " + std::to_string(index);
    record["prefab"] = prefab;
    Json::Value& transform = record["components"]["Transform"];
    transform["position"].append(static_cast<double>(index % 97) * 16.0);
    transform["position"].append(static_cast<double>(index / 97) * 16.0);
    if (index % 50 == 0)
      transform["rotation"] = 0.25 * (index / 50);
    if (prefab == "Crate" && index % 100 == 2)
      record["components"]["Registerer"]["registryType"] = "ENEMIES";
    Json::Value children(Json::arrayValue);
    if (index % 5 == 0 && index + 2 < objectCount)
    {
      for (int child = 1; child <= 2; ++child)
      {
        Json::Value who;
        who["who"] = index + child + 1;
        children.append(who);
      }
    }
    record["children"] = children;
    objects.append(record);
  }
  Json::Value root;
  root["level"]["objects"] = objects;
  return root;
}

// The engine services a level needs, without a window: event manager, factory with the bench
// prefabs, registry, one space; and the generated level written once to a temporary folder.
class LevelScene
{
public:
  explicit LevelScene(int objectCount = ObjectCount)
      : folder(std::filesystem::temp_directory_path() / ("brindle-bench-levels-" + std::to_string(getpid()))),
        events(std::make_unique<EventManager>())
  {
    MemoryManager::Instance();
    EventManager::SetInstance(events.get());
    std::filesystem::create_directories(folder / "Prefabs");
    std::ofstream(folder / "Prefabs" / "Bench.prefab") << BenchPrefabs;
    factory = std::make_unique<GameobjectFactory>();
    GameobjectFactory::SetInstance(factory.get());
    registry = std::make_unique<Registry>();
    Registry::SetInstance(registry.get());
    PrefabFiles((folder / "Prefabs").string() + "/").Install(*factory);
    factory->SetComponentRegistrar(RegisterAllComponents);
    factory->Initialize();
    space = std::make_unique<Space>("Bench");
    levelPath = (folder / "generated.json").string();
    savePath = (folder / "saved.json").string();
    WriteJsonFile(GeneratedLevel(objectCount), levelPath);
  }

  ~LevelScene()
  {
    space->UnloadLevel();
    space.reset();
    Registry::SetInstance(nullptr);
    registry.reset();
    GameobjectFactory::SetInstance(nullptr);
    factory.reset();
    EventManager::SetInstance(nullptr);
    events.reset();
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
  }

  // The save's "saved." lines would bury the figures, and an "[ERROR]" line means the level did
  // not load as generated.
  QuietOutput output;
  std::filesystem::path folder;
  std::string levelPath;
  std::string savePath;
  std::unique_ptr<EventManager> events;
  std::unique_ptr<GameobjectFactory> factory;
  std::unique_ptr<Registry> registry;
  std::unique_ptr<Space> space;
};

// Reads the file and parses it the way the loaders do, and nothing more.
bool BareParse(const std::string& path, Json::Value& root)
{
  std::ifstream file(path);
  std::stringstream text;
  text << file.rdbuf();
  const std::string contents = text.str();
  Json::CharReaderBuilder builder;
  const std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
  std::string errors;
  return reader->parse(contents.data(), contents.data() + contents.size(), &root, &errors);
}

void LoadLevel2000(benchmark::State& state)
{
  LevelScene scene;
  double parseSeconds = 0;
  double loadSeconds = 0;
  for (auto _ : state)
  {
    const auto parseStart = std::chrono::steady_clock::now();
    Json::Value root;
    const bool parsed = BareParse(scene.levelPath, root);
    const auto loadStart = std::chrono::steady_clock::now();
    const bool loaded = scene.space->LoadLevelFile(scene.levelPath);
    const auto loadEnd = std::chrono::steady_clock::now();
    benchmark::DoNotOptimize(parsed);
    if (!parsed || !loaded || scene.space->GetObjectsById().size() != static_cast<std::size_t>(ObjectCount))
    {
      state.SkipWithError("the generated level did not load whole");
      break;
    }
    parseSeconds += SecondsOf(loadStart - parseStart);
    loadSeconds += SecondsOf(loadEnd - loadStart);
    state.SetIterationTime(SecondsOf(loadEnd - loadStart));
    scene.space->UnloadLevel();
  }
  if (scene.output.Text().find("[ERROR]") != std::string::npos)
    state.SkipWithError("the generated level was reported as broken");
  const double objects = static_cast<double>(state.iterations()) * ObjectCount;
  state.counters["objects_per_second"] = loadSeconds > 0 ? objects / loadSeconds : 0;
  state.counters["load_vs_parse"] = parseSeconds > 0 ? loadSeconds / parseSeconds : 0;
  state.counters["parse_ms"] = state.iterations() > 0 ? parseSeconds * 1000.0 / static_cast<double>(state.iterations()) : 0;
}
BENCHMARK(LoadLevel2000)->UseManualTime()->Unit(benchmark::kMillisecond);

void SaveLevel2000(benchmark::State& state)
{
  LevelScene scene;
  if (!scene.space->LoadLevelFile(scene.levelPath))
  {
    state.SkipWithError("the generated level did not load");
    return;
  }
  Json::Value document;
  BareParse(scene.levelPath, document);
  const std::string writePath = (scene.folder / "written.json").string();
  double writeSeconds = 0;
  double saveSeconds = 0;
  for (auto _ : state)
  {
    const auto writeStart = std::chrono::steady_clock::now();
    {
      std::ofstream file(writePath, std::ios::trunc);
      file << Json::StyledWriter().write(document);
    }
    const auto saveStart = std::chrono::steady_clock::now();
    const bool saved = scene.space->SaveLevel(scene.savePath);
    const auto saveEnd = std::chrono::steady_clock::now();
    if (!saved)
    {
      state.SkipWithError("the level was not saved");
      break;
    }
    writeSeconds += SecondsOf(saveStart - writeStart);
    saveSeconds += SecondsOf(saveEnd - saveStart);
    state.SetIterationTime(SecondsOf(saveEnd - saveStart));
  }
  const double objects = static_cast<double>(state.iterations()) * ObjectCount;
  state.counters["objects_per_second"] = saveSeconds > 0 ? objects / saveSeconds : 0;
  state.counters["save_vs_write"] = writeSeconds > 0 ? saveSeconds / writeSeconds : 0;
}
BENCHMARK(SaveLevel2000)->UseManualTime()->Unit(benchmark::kMillisecond);

// Seconds to load a generated level of `objectCount` records, averaged over `rounds`; the objects
// it built. Each size gets a scene of its own: the scenes publish their services globally. An
// `overfull` level's reports of the records that did not fit are expected.
double SecondsToLoad(int objectCount, int rounds, std::size_t& built, bool overfull = false)
{
  LevelScene scene(objectCount);
  scene.output.echoProblems = !overfull;
  double seconds = 0;
  // One load first, untimed: the first touches of fresh memory cost the same whatever follows.
  scene.space->LoadLevelFile(scene.levelPath);
  scene.space->UnloadLevel();
  for (int round = 0; round < rounds; ++round)
  {
    const auto start = std::chrono::steady_clock::now();
    scene.space->LoadLevelFile(scene.levelPath);
    seconds += SecondsOf(std::chrono::steady_clock::now() - start);
    built = scene.space->GetObjectsById().size();
    scene.space->UnloadLevel();
  }
  return seconds / rounds;
}

// Loading must stay linear in the size of the level. Two pairs, each timed in the same run:
// 2,000 against 20,000 records, of which only what fits in the 7,000 object ids is built (the
// rest is reported once and not loaded); and 600 against 6,000 records, which are all built.
// Counters: ratio_20000_vs_2000 (goal: at most 12), ratio_6000_vs_600 (10 when linear), and
// built_of_20000, the objects the large level gave.
void LoadLevelScaling(benchmark::State& state)
{
  double smallSeconds = 0, largeSeconds = 0, fittingSeconds = 0, fillingSeconds = 0;
  std::size_t built = 0, ignored = 0;
  for (auto _ : state)
  {
    smallSeconds += SecondsToLoad(2000, 3, ignored);
    const double large = SecondsToLoad(20000, 3, built, true);
    largeSeconds += large;
    fittingSeconds += SecondsToLoad(600, 3, ignored);
    fillingSeconds += SecondsToLoad(6000, 3, ignored);
    state.SetIterationTime(large);
  }
  state.counters["ratio_20000_vs_2000"] = smallSeconds > 0 ? largeSeconds / smallSeconds : 0;
  state.counters["ratio_6000_vs_600"] = fittingSeconds > 0 ? fillingSeconds / fittingSeconds : 0;
  state.counters["built_of_20000"] = static_cast<double>(built);
}
BENCHMARK(LoadLevelScaling)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
}  // namespace
