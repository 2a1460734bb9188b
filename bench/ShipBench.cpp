// The ship interior on a 64 x 64 layout: one hull round a hall that seven staggered walls fold
// into a serpentine, with the shipped tile prefabs (about 4,500 objects).
//
//   ShipLayoutLoad64     a ShipMap waking on the layout file and building every tile object,
//                        against reading and parsing the same file alone (load_vs_read)
//   PressureBreach64     the flood that vents the hall after a hull wall is blown out (the new
//                        outside zone and the flows of all its cells, and the hole's object),
//                        against a plain breadth-first flood over the same wall bits (breach_vs_flood)
//   ShipRoute64          a route from one corner of the hall to the other through the serpentine,
//                        against a breadth-first search over the tiles (route_vs_grid_search)
//   ShipGraphBuild       the route graph of a ship of 10 x 10 rooms with pillars, 120 tiles a side,
//                        against the same ship 60 tiles a side (graph120_vs_graph60: four times the
//                        tiles should take at most six times as long)
//
// Run from the repository root (the prefabs are read from Assets/Prefabs):
//   build/bench/brindle_bench --benchmark_filter=Ship
#include "BenchScene.h"
#include "Versus.h"
#include "ai/navigation/PathGraph.h"
#include "gameplay/ship/PressureTracker.h"
#include "gameplay/ship/ShipEvents.h"
#include "gameplay/ship/ShipLayoutFile.h"
#include "gameplay/ship/ShipMap.h"
#include "object/GameObject.h"
#include "object/GameobjectFactory.h"
#include "object/Space.h"
#include "object/Transform.h"

#include <benchmark/benchmark.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace
{
constexpr int Side = 64;

// The hull round tiles 1..62; walls down from the top at x = 8, 24, 40, 56 and up from the bottom
// at x = 16, 32, 48, each leaving a gap of three tiles at its far end.
ShipLayout SerpentineLayout()
{
  ShipLayout layout;
  layout.width = Side;
  layout.height = Side;
  layout.tiles.assign(static_cast<std::size_t>(Side) * Side, ShipTile());
  const int first = 1;
  const int last = Side - 2;
  for (int y = first; y <= last; ++y)
  {
    for (int x = first; x <= last; ++x)
    {
      ShipTile& tile = layout.At(x, y);
      tile.floor = 'F';
      if (x == last)
        tile.side = 'W';
      if (y == first)
        tile.bottom = 'I';
    }
    layout.At(first - 1, y).side = 'W';
  }
  for (int x = first; x <= last; ++x)
    layout.At(x, last + 1).bottom = 'I';
  for (int wall = 1; wall <= 7; ++wall)
  {
    const int x = wall * 8;
    const bool fromTop = wall % 2 == 1;
    for (int y = first; y <= last; ++y)
      if (fromTop ? y > first + 2 : y < last - 2)
        layout.At(x, y).side = 'W';
  }
  return layout;
}

// A hull of `side` tiles round rooms of 10 x 10, each opening into the next through a gap of two
// tiles in every wall, with four pillars of one tile standing in each room. The gaps are staggered
// from room to room, as in a ship, so that no corridor of doorways runs the length of it. The
// floor is left bare: the route graph reads only the walls, and the walls of two such ships, 120
// and 60 tiles a side, then fit in one world's object ids.
ShipLayout PillaredRoomsLayout(int side)
{
  constexpr int Room = 10;
  ShipLayout layout;
  layout.width = side;
  layout.height = side;
  layout.tiles.assign(static_cast<std::size_t>(side) * side, ShipTile());
  // The gap of the wall beside the room at `across`, at `along` on the wall.
  auto inDoorway = [](int along, int across) {
    const int first = (across / Room) % 2 == 0 ? 2 : 6;
    return along % Room == first || along % Room == first + 1;
  };
  auto isPillar = [](int x, int y) { return (x % Room == 3 || x % Room == 6) && (y % Room == 3 || y % Room == 6); };
  for (int y = 1; y < side - 1; ++y)
  {
    for (int x = 1; x < side - 1; ++x)
    {
      ShipTile& tile = layout.At(x, y);
      // A pillar closes all four of its sides.
      const bool pillar = isPillar(x, y);
      if (x == side - 2 || (x % Room == Room - 1 && !inDoorway(y, x)) || pillar || isPillar(x + 1, y))
        tile.side = 'W';
      if (y == 1 || (y % Room == 0 && !inDoorway(x, y)) || pillar || isPillar(x, y - 1))
        tile.bottom = 'I';
    }
    layout.At(0, y).side = 'W';
  }
  for (int x = 1; x < side - 1; ++x)
    layout.At(x, side - 1).bottom = 'I';
  return layout;
}

// What every ship benchmark stands on: a windowless world with the shipped prefabs and the
// layout written to a temporary folder.
class ShipScene
{
public:
  ShipScene() : folder(std::filesystem::temp_directory_path() / ("brindle-bench-ship-" + std::to_string(getpid())))
  {
    std::filesystem::create_directories(folder);
    layoutPath = WriteLayout("serpentine", SerpentineLayout());
  }

  ~ShipScene()
  {
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
  }

  // The path of a further layout written beside the first.
  std::string WriteLayout(const std::string& name, const ShipLayout& layout)
  {
    const std::string path = (folder / (name + ".txt")).string();
    std::ofstream(path, std::ios::binary) << ShipLayoutFile::Format(layout);
    return path;
  }

  // A ship object that wakes on a layout (the serpentine unless told) with tile (0, 0) at
  // `origin` and builds its tiles, with what is given beside it.
  Handle<GameObject> MakeShip(const std::vector<std::string>& besides, const std::string& layout = "",
                              glm::vec2 origin = glm::vec2(0.0f))
  {
    Handle<GameObject> ship;
    world.factory->NewGameObject(ship, "Default", world.space.get(), "Ship");
    ship->GetTransform()->SetScale(glm::vec2(128.0f, 128.0f));
    ship->GetTransform()->SetPosition(origin);
    auto* map = static_cast<ShipMap*>(ship->AddComponent("ShipMap"));
    map->SetFilename(layout.empty() ? layoutPath : layout);
    for (const std::string& type : besides)
      ship->AddComponent(type);
    world.factory->InitializeComponents(ship);
    // The load announcement reaches the tracker and the graph.
    world.events->ProcessQueue();
    return ship;
  }

  // Any error: a ship short of its walls (out of object ids, say) measures another ship.
  bool Broken() const { return world.output.Text().find("[ERROR]") != std::string::npos; }
  Space& GetSpace() { return *world.space; }

  std::filesystem::path folder;
  std::string layoutPath;
  BenchWorld world;
};

std::string ReadFile(const std::string& path)
{
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

// Tiles reached from `from` through edges the map lets through, breadth first; the steps to `to`,
// or -1. With `to` outside the grid it floods everything reachable.
int GridSearch(const ShipMap& map, glm::ivec2 from, glm::ivec2 to, std::vector<int>& steps)
{
  steps.assign(static_cast<std::size_t>(map.GetWidth()) * map.GetHeight(), -1);
  std::deque<glm::ivec2> queue{from};
  steps[static_cast<std::size_t>(from.y) * map.GetWidth() + from.x] = 0;
  const struct
  {
    glm::ivec2 offset;
    std::uint8_t wall;
  } moves[] = {{{0, 1}, ShipWall::Top}, {{1, 0}, ShipWall::Right}, {{0, -1}, ShipWall::Bottom}, {{-1, 0}, ShipWall::Left}};
  while (!queue.empty())
  {
    const glm::ivec2 tile = queue.front();
    queue.pop_front();
    const int here = steps[static_cast<std::size_t>(tile.y) * map.GetWidth() + tile.x];
    if (tile == to)
      return here;
    for (const auto& move : moves)
    {
      const glm::ivec2 next = tile + move.offset;
      if (!map.InBounds(next.x, next.y) || !map.IsPassable(move.wall, tile.x, tile.y))
        continue;
      int& seen = steps[static_cast<std::size_t>(next.y) * map.GetWidth() + next.x];
      if (seen >= 0)
        continue;
      seen = here + 1;
      queue.push_back(next);
    }
  }
  return -1;
}

void ShipLayoutLoad64(benchmark::State& state)
{
  ShipScene scene;
  std::size_t objects = 0;
  TimeAgainst(state, "load", "read", 0.0,
              [&] {
                ShipLayout layout;
                benchmark::DoNotOptimize(ShipLayoutFile::Parse(ReadFile(scene.layoutPath), layout));
              },
              [&] {
                scene.MakeShip({});
                state.PauseTiming();
                objects = scene.GetSpace().GetObjectsById().size();
                scene.GetSpace().UnloadLevel();
                state.ResumeTiming();
              });
  if (scene.Broken() || objects < 4000)
    state.SkipWithError("the layout did not load whole");
  state.counters["objects"] = static_cast<double>(objects);
}
BENCHMARK(ShipLayoutLoad64)->UseManualTime()->Unit(benchmark::kMillisecond);

void PressureBreach64(benchmark::State& state)
{
  ShipScene scene;
  Handle<GameObject> ship = scene.MakeShip({"PressureTracker"});
  auto* tracker = ship->GetComponent<PressureTracker>();
  const ShipMap& map = *ship->GetComponent<ShipMap>();
  std::vector<int> steps;
  int vented = 0;
  TimeAgainst(state, "breach", "flood", 0.0,
              [&] { benchmark::DoNotOptimize(GridSearch(map, {1, 1}, {-1, -1}, steps)); },
              [&] {
                // The hull's bottom wall under the hall's first tile.
                tracker->OnWallBreach({1, 1}, {0, -1});
                state.PauseTiming();
                vented = 0;
                for (int x = 1; x < Side - 1; ++x)
                  for (int y = 1; y < Side - 1; ++y)
                    vented += tracker->GetCell(x, y)->zone == PressureZone::Outside ? 1 : 0;
                for (auto effect = scene.GetSpace().FindObjectByName("DepressurizationEffect");
                     effect != scene.GetSpace().ObjectsEnd(); effect = scene.GetSpace().FindObjectByName("DepressurizationEffect"))
                {
                  Handle<GameObject> gone = effect->second;
                  scene.GetSpace().DeleteObject(gone);
                }
                ShipMapLoadEvent reload(ship->GetId());
                tracker->On(&reload);
                state.ResumeTiming();
              });
  if (scene.Broken() || vented != (Side - 2) * (Side - 2))
    state.SkipWithError("the hall did not vent whole");
  state.counters["cells"] = vented;
}
BENCHMARK(PressureBreach64)->UseManualTime()->Unit(benchmark::kMicrosecond);

void ShipRoute64(benchmark::State& state)
{
  ShipScene scene;
  Handle<GameObject> ship = scene.MakeShip({"PathGraph"});
  auto* graph = ship->GetComponent<PathGraph>();
  const ShipMap& map = *ship->GetComponent<ShipMap>();
  const glm::vec2 from = map.TileToWorld(2, 2);
  const glm::vec2 to = map.TileToWorld(Side - 3, Side - 3);
  std::vector<int> steps;
  std::size_t points = 0;
  int tiles = 0;
  TimeAgainst(state, "route", "grid_search", 0.0,
              [&] { tiles = GridSearch(map, {2, 2}, {Side - 3, Side - 3}, steps); },
              [&] { points = graph->FindPath(from, to, &scene.GetSpace()).size(); });
  if (scene.Broken() || points < 9 || tiles < 0)
    state.SkipWithError("no route through the serpentine");
  state.counters["nodes"] = static_cast<double>(graph->ActiveNodeCount());
  state.counters["route_points"] = static_cast<double>(points);
  state.counters["grid_steps"] = tiles;
}
BENCHMARK(ShipRoute64)->UseManualTime()->Unit(benchmark::kMicrosecond);

void ShipGraphBuild(benchmark::State& state)
{
  ShipScene scene;
  // The small ship stands clear of the large one, so that no ray of one meets the other's walls.
  auto* largeGraph =
      scene.MakeShip({"PathGraph"}, scene.WriteLayout("rooms120", PillaredRoomsLayout(120)))->GetComponent<PathGraph>();
  auto* smallGraph = scene.MakeShip({"PathGraph"}, scene.WriteLayout("rooms60", PillaredRoomsLayout(60)),
                                    glm::vec2(200.0f * 128.0f, 0.0f))
                         ->GetComponent<PathGraph>();
  // Processor time: on a loaded machine the wall clock would mostly count other programs.
  double smallSeconds = 0.0;
  double largeSeconds = 0.0;
  for (auto _ : state)
  {
    const double start = ThreadSeconds();
    smallGraph->BuildGraph();
    const double middle = ThreadSeconds();
    largeGraph->BuildGraph();
    const double end = ThreadSeconds();
    smallSeconds += middle - start;
    largeSeconds += end - middle;
    state.SetIterationTime(end - middle);
  }
  auto links = [](const PathGraph& graph) {
    std::size_t ends = 0;
    for (const PathGraph::Node& node : graph.GetNodes())
      ends += node.neighbours.size();
    return static_cast<double>(ends / 2);
  };
  if (scene.Broken() || largeGraph->ActiveNodeCount() < 4 * smallGraph->ActiveNodeCount() * 9 / 10)
    state.SkipWithError("the rooms did not load whole");
  state.counters["graph120_vs_graph60"] = smallSeconds > 0.0 ? largeSeconds / smallSeconds : 0.0;
  state.counters["nodes60"] = static_cast<double>(smallGraph->ActiveNodeCount());
  state.counters["nodes120"] = static_cast<double>(largeGraph->ActiveNodeCount());
  state.counters["links60"] = links(*smallGraph);
  state.counters["links120"] = links(*largeGraph);
}
BENCHMARK(ShipGraphBuild)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);
}  // namespace
