#include "ai/navigation/PathGraph.h"

#include "gameplay/ship/ShipEvents.h"
#include "gameplay/ship/ShipMap.h"
#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/Members.h"
#include "object/Space.h"
#include "physics/CollisionGroup.h"
#include "physics/PhysicsModule.h"
#include "physics/RayCastResult.h"
#include "core/Log.h"
#include "platform/Assert.h"
#include "platform/TerminationSignal.h"
#include "steering/AIDebugDraw.h"

#include <algorithm>
#include <cmath>
#include <glm/geometric.hpp>

namespace
{
constexpr float ClearPathLength = 0.0001f;
constexpr float SamePointDistance = 0.001f;
const fColor GraphColour(1.0f, 1.0f, 1.0f, 1.0f);
const fColor PathColour(1.0f, 0.0f, 1.0f, 1.0f);
constexpr float GraphNodeRadius = 80.0f;
constexpr float PathPointRadius = 50.0f;
// Slopes are compared with this much slack: a node at the edge of a row's slopes stays in the
// sweep, and a closed side stops the rays that touch its ends. Each wall's collider reaches past
// the ends of its side by far more, so a ray this close to a wall's end meets the wall.
constexpr double SlopeSlack = 1e-9;

// The slopes (across / along) of the rays still open in one eighth of the sweep, as disjoint
// closed intervals in ascending order.
class OpenSlopes
{
public:
  OpenSlopes() : intervals{{0.0, 1.0}} {}

  bool Empty() const { return intervals.empty(); }
  const std::vector<std::pair<double, double>>& Intervals() const { return intervals; }

  // Closes [low, high] and the slack around it.
  void Close(double low, double high)
  {
    low -= SlopeSlack;
    high += SlopeSlack;
    std::vector<std::pair<double, double>> kept;
    for (const auto& [first, last] : intervals)
    {
      if (last < low || first > high)
      {
        kept.emplace_back(first, last);
        continue;
      }
      if (first < low)
        kept.emplace_back(first, low);
      if (last > high)
        kept.emplace_back(high, last);
    }
    intervals.swap(kept);
  }

private:
  std::vector<std::pair<double, double>> intervals;
};

// A line from one point to another on the space's debug layer, or false when they coincide.
bool DrawLineBetween(Space* space, glm::vec2 from, glm::vec2 to, const fColor& colour)
{
  const glm::vec2 difference = to - from;
  const float length = glm::length(difference);
  if (length < SamePointDistance)
    return false;
  DrawDebugLine(space, from, difference / length, length, colour);
  return true;
}
}  // namespace

PathGraph::~PathGraph() = default;

void PathGraph::GetMembers(std::vector<MemberBase*>& members)
{
  Members::AddMember(members, "debugDrawGraph", &debugDrawGraph, RenderBool, false);
}

void PathGraph::OnAwake()
{
  GameObject* owner = GetGameObject();
  shipMap = owner != nullptr ? owner->GetComponent<ShipMap>() : nullptr;
  if (shipMap == nullptr)
  {
    BRINDLE_CHECK(false, "PathGraph is added to object that does not have ShipMap. it's not gonna do anything, FYI.");
    return;
  }
  SubscribeOnOwner<ShipMapLoadEvent>(this);
  SubscribeOnOwner<ShipMapWallDestroyedEvent>(this);
  SubscribeOnSpace<UpdateEvent>(this);
}

void PathGraph::On(ShipMapLoadEvent*)
{
  BuildGraph();
}

void PathGraph::On(ShipMapWallDestroyedEvent* event)
{
  UpdateAroundTile(static_cast<int>(event->tileX), static_cast<int>(event->tileY));
}

void PathGraph::On(UpdateEvent*)
{
  if (debugDrawGraph)
    DebugDrawGraph();
}

bool PathGraph::IsPathClear(glm::vec2 from, glm::vec2 to) const
{
  const glm::vec2 difference = to - from;
  const float length = glm::length(difference);
  if (length < ClearPathLength)
    return true;
  PhysicsModule* physics = PhysicsModule::Of(GetSpace());
  if (physics == nullptr)
    return true;
  RayCastResult result;
  return !physics->RayCast(from, difference / length, length, static_cast<std::uint32_t>(CollisionGroup::DETECT_WALLS),
                           false, result, false);
}

bool PathGraph::IsSideOpen(int x, int y, std::uint8_t side) const
{
  return shipMap->IsPassable(side, x, y);
}

bool PathGraph::IsCornerTile(int x, int y) const
{
  if (shipMap == nullptr || !shipMap->InBounds(x, y))
    return false;
  auto open = [this](int tileX, int tileY, std::uint8_t side) { return IsSideOpen(tileX, tileY, side); };
  auto closed = [this](int tileX, int tileY, std::uint8_t side) { return !IsSideOpen(tileX, tileY, side); };
  using namespace ShipWall;
  const int closedSides = (closed(x, y, Right) ? 1 : 0) + (closed(x, y, Top) ? 1 : 0) + (closed(x, y, Left) ? 1 : 0) +
                          (closed(x, y, Bottom) ? 1 : 0);
  if (closedSides > 2)
    return false;

  // North-west, north-east, south-east, south-west.
  if (shipMap->InBounds(x - 1, y + 1))
  {
    if (open(x, y, Top) && closed(x - 1, y + 1, Right) && open(x - 1, y, Right))
      return true;
    if (open(x, y, Left) && closed(x - 1, y + 1, Bottom) && open(x, y + 1, Bottom))
      return true;
  }
  if (shipMap->InBounds(x + 1, y + 1))
  {
    if (open(x, y, Top) && closed(x + 1, y + 1, Left) && open(x + 1, y, Left))
      return true;
    if (open(x, y, Right) && closed(x + 1, y + 1, Bottom) && open(x, y + 1, Bottom))
      return true;
  }
  if (shipMap->InBounds(x + 1, y - 1))
  {
    if (open(x, y, Bottom) && closed(x + 1, y - 1, Left) && open(x + 1, y, Left))
      return true;
    if (open(x, y, Right) && closed(x + 1, y - 1, Top) && open(x, y - 1, Top))
      return true;
  }
  if (!shipMap->InBounds(x - 1, y - 1))
    return false;
  if (open(x, y, Bottom) && closed(x - 1, y - 1, Right) && open(x - 1, y, Right))
    return true;
  return open(x, y, Left) && closed(x - 1, y - 1, Top) && open(x, y - 1, Top);
}

void PathGraph::LinkNodes(Node& first, Node& second)
{
  const float cost = glm::length(second.position - first.position);
  first.neighbours.push_back({second.index, cost});
  second.neighbours.push_back({first.index, cost});
}

void PathGraph::AddNode(int x, int y)
{
  if (shipMap == nullptr || !shipMap->InBounds(x, y))
    return;
  const std::size_t tiles = TileIndex(0, shipMap->GetHeight());
  if (nodeAtTile.size() != tiles)
    nodeAtTile.assign(tiles, -1);
  std::uint32_t index = nextIndex;
  if (!freeIndices.empty())
  {
    index = freeIndices.back();
    freeIndices.pop_back();
  }
  else
  {
    ++nextIndex;
  }
  Node node;
  node.index = index;
  node.tileX = x;
  node.tileY = y;
  node.position = shipMap->TileToWorld(x, y);
  for (const std::uint32_t candidate : VisibleCandidates(x, y))
  {
    Node& other = nodes[candidate];
    if (other.active && other.index != index && IsPathClear(node.position, other.position))
      LinkNodes(node, other);
  }
  if (nodeAtTile[TileIndex(x, y)] < 0)
    nodeAtTile[TileIndex(x, y)] = static_cast<int>(index);
  if (index == nodes.size())
    nodes.push_back(std::move(node));
  else if (index < nodes.size())
    nodes[index] = std::move(node);
  else
    LogError("PathGraph: node ", index, " of ", nodes.size(), " could not be inserted; it is left out.");
}

void PathGraph::RemoveNode(std::uint32_t index)
{
  if (index >= nodes.size() || !nodes[index].active)
    return;
  Node& removed = nodes[index];
  removed.active = false;
  if (shipMap != nullptr && shipMap->InBounds(removed.tileX, removed.tileY))
  {
    // Another node laid on the same tile takes its place.
    int& here = nodeAtTile[TileIndex(removed.tileX, removed.tileY)];
    if (here == static_cast<int>(index))
    {
      here = -1;
      for (const Node& other : nodes)
        if (other.active && other.tileX == removed.tileX && other.tileY == removed.tileY)
          here = static_cast<int>(other.index);
    }
  }
  while (!removed.neighbours.empty())
  {
    const std::uint32_t linked = removed.neighbours.back().node;
    if (linked < nodes.size())
    {
      std::vector<Edge>& links = nodes[linked].neighbours;
      links.erase(std::remove_if(links.begin(), links.end(), [index](const Edge& edge) { return edge.node == index; }),
                  links.end());
    }
    removed.neighbours.pop_back();
  }
  freeIndices.push_back(index);
}

int PathGraph::FindNodeAt(int x, int y) const
{
  if (shipMap == nullptr || !shipMap->InBounds(x, y) || nodeAtTile.empty())
    return -1;
  return nodeAtTile[TileIndex(x, y)];
}

std::size_t PathGraph::TileIndex(int x, int y) const
{
  return static_cast<std::size_t>(y) * static_cast<std::size_t>(shipMap->GetWidth()) + static_cast<std::size_t>(x);
}

bool PathGraph::SweepPasses(int x, int y, int stepX, int stepY) const
{
  if (!shipMap->InBounds(x, y) || !shipMap->InBounds(x + stepX, y + stepY))
    return false;
  using namespace ShipWall;
  const std::uint8_t side = stepX > 0 ? Right : stepX < 0 ? Left : stepY > 0 ? Top : Bottom;
  return IsSideOpen(x, y, side);
}

std::vector<std::uint32_t> PathGraph::VisibleCandidates(int x, int y) const
{
  std::vector<std::uint32_t> found;
  if (shipMap == nullptr || !shipMap->InBounds(x, y) || nodeAtTile.empty())
    return found;
  if (const int here = nodeAtTile[TileIndex(x, y)]; here >= 0)
    found.push_back(static_cast<std::uint32_t>(here));
  // Each eighth covers the rays whose step across is at most their step along.
  for (const glm::ivec2 along : {glm::ivec2(1, 0), glm::ivec2(-1, 0), glm::ivec2(0, 1), glm::ivec2(0, -1)})
  {
    const glm::ivec2 across(along.y, along.x);
    SweepOctant(x, y, along, across, found);
    SweepOctant(x, y, along, -across, found);
  }
  std::sort(found.begin(), found.end());
  found.erase(std::unique(found.begin(), found.end()), found.end());
  return found;
}

// Row k holds the tiles k steps along from the origin; a ray of slope s is at s * d across when it
// is d along. A side between two tiles of a row stops the rays that touch it within the row, the
// side at a row's far edge those that cross it there.
void PathGraph::SweepOctant(int x, int y, glm::ivec2 along, glm::ivec2 out, std::vector<std::uint32_t>& found) const
{
  OpenSlopes open;
  // Past the map's larger side every tile of a row is outside it.
  const int lastRow = std::max(shipMap->GetWidth(), shipMap->GetHeight());
  for (int k = 0; k <= lastRow && !open.Empty(); ++k)
  {
    const double nearEdge = k == 0 ? 0.0 : k - 0.5;
    const double farEdge = k + 0.5;
    auto tileAt = [&](int j) { return glm::ivec2(x, y) + along * k + out * j; };
    std::vector<std::pair<double, double>> closed;
    for (const auto& [low, high] : open.Intervals())
    {
      if (k > 0)
      {
        const int first = static_cast<int>(std::ceil(low * k - SlopeSlack));
        const int last = static_cast<int>(std::floor(high * k + SlopeSlack));
        for (int j = first; j <= last; ++j)
        {
          const glm::ivec2 tile = tileAt(j);
          if (!shipMap->InBounds(tile.x, tile.y))
            continue;
          if (const int node = nodeAtTile[TileIndex(tile.x, tile.y)]; node >= 0)
            found.push_back(static_cast<std::uint32_t>(node));
        }
      }
      // The sides between tiles j and j + 1 of this row, at j + 0.5 across.
      const int firstSide = static_cast<int>(std::ceil(low * nearEdge - 0.5 - SlopeSlack));
      const int lastSide = static_cast<int>(std::floor(high * farEdge - 0.5 + SlopeSlack));
      for (int j = std::max(firstSide, 0); j <= lastSide; ++j)
      {
        const glm::ivec2 tile = tileAt(j);
        if (!SweepPasses(tile.x, tile.y, out.x, out.y))
          closed.emplace_back((j + 0.5) / farEdge, nearEdge > 0.0 ? (j + 0.5) / nearEdge : 2.0);
      }
      // The far edges of the tiles the rays leave the row through.
      const int firstEdge = static_cast<int>(std::ceil(low * farEdge - 0.5 - SlopeSlack));
      const int lastEdge = static_cast<int>(std::floor(high * farEdge + 0.5 + SlopeSlack));
      for (int j = std::max(firstEdge, 0); j <= lastEdge; ++j)
      {
        const glm::ivec2 tile = tileAt(j);
        if (!SweepPasses(tile.x, tile.y, along.x, along.y))
          closed.emplace_back((j - 0.5) / farEdge, (j + 0.5) / farEdge);
      }
    }
    for (const auto& [low, high] : closed)
      open.Close(low, high);
  }
}

void PathGraph::BuildGraph()
{
  if (shipMap == nullptr)
    return;
  // A map loaded again gets one graph, not a second laid over the first.
  nodes.clear();
  freeIndices.clear();
  nextIndex = 0;
  nodeAtTile.assign(TileIndex(0, shipMap->GetHeight()), -1);
  for (int x = 0; x < shipMap->GetWidth(); ++x)
  {
    for (int y = 0; y < shipMap->GetHeight(); ++y)
    {
      // A large layout takes a while inside one frame; a request to end the program is not kept waiting.
      if (TerminationSignal::IsRequested())
        return;
      if (IsCornerTile(x, y))
        AddNode(x, y);
    }
  }
}

void PathGraph::UpdateAroundTile(int x, int y)
{
  if (shipMap == nullptr || !shipMap->InBounds(x, y))
    return;
  for (int tileX = x - 1; tileX <= x + 1; ++tileX)
  {
    for (int tileY = y - 1; tileY <= y + 1; ++tileY)
    {
      const bool corner = IsCornerTile(tileX, tileY);
      const int existing = FindNodeAt(tileX, tileY);
      if (corner && existing < 0)
        AddNode(tileX, tileY);
      else if (!corner && existing >= 0)
        RemoveNode(static_cast<std::uint32_t>(existing));
    }
  }
}

std::size_t PathGraph::ActiveNodeCount() const
{
  return static_cast<std::size_t>(
      std::count_if(nodes.begin(), nodes.end(), [](const Node& node) { return node.active; }));
}

void PathGraph::ClearSearch()
{
  openSet.clear();
  openEntries.assign(nodes.size(), openSet.end());
  inOpenSet.assign(nodes.size(), 0);
  inClosedSet.assign(nodes.size(), 0);
  goalSight.assign(nodes.size(), 0);
}

bool PathGraph::SeesGoal(const Node& node, glm::vec2 goal)
{
  std::uint8_t& sight = goalSight[node.index];
  if (sight == 0)
    sight = IsPathClear(node.position, goal) ? 1 : 2;
  return sight == 1;
}

void PathGraph::AddToOpenSet(Node& node)
{
  // Inserted after the entries of equal cost, so ties keep the order of arrival.
  openEntries[node.index] = openSet.insert(&node);
  inOpenSet[node.index] = 1;
}

void PathGraph::SeedOpenSet(glm::vec2 start, glm::vec2 goal)
{
  for (Node& node : nodes)
  {
    if (!node.active || !IsPathClear(start, node.position))
      continue;
    node.g = glm::length(node.position - start);
    node.parent = -1;
    node.h = glm::length(goal - node.position);
    AddToOpenSet(node);
  }
}

std::vector<glm::vec2> PathGraph::FindPath(glm::vec2 start, glm::vec2 goal, Space* space)
{
  ClearSearch();
  if (shipMap == nullptr)
    return {};
  if (IsPathClear(start, goal))
    return {start, goal};
  SeedOpenSet(start, goal);
  for (const Node* node : openSet)
  {
    if (SeesGoal(*node, goal))
    {
      std::vector<glm::vec2> path{start, node->position, goal};
      DebugDrawPath(path, space);
      return path;
    }
  }

  // Every node in either set has been tested against the goal already (seeded nodes by the pass
  // above, the others when they were reached), so the first node found that sees the goal is new
  // and the search ends there. A node reached again answers from its first test.
  const Node* found = nullptr;
  while (!openSet.empty() && found == nullptr)
  {
    Node& current = **openSet.begin();
    openSet.erase(openSet.begin());
    inOpenSet[current.index] = 0;
    for (const Edge& link : current.neighbours)
    {
      Node& next = nodes[link.node];
      if (SeesGoal(next, goal))
      {
        next.parent = static_cast<int>(current.index);
        found = &next;
        break;
      }
      if (inClosedSet[next.index] != 0)
        continue;
      const float g = current.g + link.cost;
      if (inOpenSet[next.index] != 0)
      {
        if (g < next.g)
        {
          openSet.erase(openEntries[next.index]);
          next.g = g;
          next.parent = static_cast<int>(current.index);
          AddToOpenSet(next);
        }
        continue;
      }
      next.g = g;
      next.parent = static_cast<int>(current.index);
      next.h = glm::length(goal - next.position);
      AddToOpenSet(next);
    }
    inClosedSet[current.index] = 1;
  }
  if (found == nullptr)
    return {};
  std::vector<glm::vec2> path = RouteThrough(*found, start, goal);
  DebugDrawPath(path, space);
  return path;
}

std::vector<glm::vec2> PathGraph::RouteThrough(const Node& found, glm::vec2 start, glm::vec2 goal) const
{
  std::vector<glm::vec2> corners;
  const Node* node = &found;
  // A chain never holds more nodes than the graph; the bound keeps a broken chain from looping.
  for (std::size_t steps = 0; node != nullptr && steps <= nodes.size(); ++steps)
  {
    corners.push_back(node->position);
    node = node->parent >= 0 && static_cast<std::size_t>(node->parent) < nodes.size() ? &nodes[node->parent] : nullptr;
  }
  std::vector<glm::vec2> path{start};
  path.insert(path.end(), corners.rbegin(), corners.rend());
  path.push_back(goal);
  return path;
}

void PathGraph::DebugDrawGraph()
{
  Space* space = GetSpace();
  if (shipMap == nullptr)
    return;
  for (const Node& node : nodes)
  {
    if (!node.active)
      continue;
    const glm::vec2 centre = shipMap->TileToWorld(node.tileX, node.tileY);
    DrawDebugCircle(space, centre, GraphNodeRadius, GraphColour);
    for (const Edge& link : node.neighbours)
    {
      const Node& other = nodes[link.node];
      if (!DrawLineBetween(space, centre, shipMap->TileToWorld(other.tileX, other.tileY), GraphColour))
        BRINDLE_CHECK(false, "Looks like nodes might be linked to themselves, fuck.");
    }
  }
}

void PathGraph::DebugDrawPath(const std::vector<glm::vec2>& path, Space* space)
{
  if (shipMap == nullptr || path.empty())
    return;
  for (std::size_t i = 0; i < path.size(); ++i)
  {
    DrawDebugCircle(space, path[i], PathPointRadius, PathColour);
    if (i + 1 < path.size() && !DrawLineBetween(space, path[i], path[i + 1], PathColour))
    {
      BRINDLE_CHECK(false, "Looks like duplicate positions in path.");
      return;
    }
  }
}
