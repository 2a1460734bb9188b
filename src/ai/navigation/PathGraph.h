#pragma once
// Routes through a ship's interior, for enemies that cannot see their target. Sits beside the
// ShipMap. A node stands on every tile at a wall's end (a convex corner the route can turn
// around), and two nodes are linked when a DETECT_WALLS ray between their tile centres meets no
// wall. The graph is built when the map has loaded and patched in the 3 x 3 tiles around a wall
// that is blown out.
//
// Rays are cast only to the nodes a new node may see: a sweep over the map's wall bits from its
// tile outwards, which stops at closed sides. Every closed side holds a wall whose collider covers
// the whole side and its ends (the wall prefabs are 144 long on 128 tiles), so a ray the sweep
// rules out would have met a wall; the rays cast decide as before. A layout of rooms costs rays
// in proportion to its corners, not to their square. A termination request ends a build early.
//
//   std::vector<glm::vec2> route = graph->FindPath(from, to, space);
//
// gives the start, the corners to pass and the goal, each in sight of the next: [from, to] when
// the goal is in sight, [from, corner, to] when one corner sees both, otherwise an A* search over
// the links; empty when there is no route (or no map). `space` is where the route is drawn while
// debug drawing is on.
#include "core/LivePointer.h"
#include "object/Component.h"

#include <cstdint>
#include <glm/vec2.hpp>
#include <set>
#include <vector>

class ShipMap;
class ShipMapLoadEvent;
class ShipMapWallDestroyedEvent;
class Space;
class UpdateEvent;

class PathGraph : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_PathGraph;

  struct Edge
  {
    std::uint32_t node;  // index of the linked node
    float cost;          // the distance between the two nodes
  };

  struct Node
  {
    std::uint32_t index = 0;
    int tileX = 0;
    int tileY = 0;
    std::vector<Edge> neighbours;  // in the order the links were made
    bool active = true;
    // The search fields, of the last search that reached the node.
    int parent = -1;
    glm::vec2 position{0.0f, 0.0f};
    float g = 3.4028235e38f;
    float h = 3.4028235e38f;
  };

  PathGraph() : Component(TypeId) {}
  ~PathGraph() override;
  PathGraph& operator=(const PathGraph&) = default;

  void OnAwake() override;
  void GetMembers(std::vector<MemberBase*>& members) override;

  void On(ShipMapLoadEvent* event);
  void On(ShipMapWallDestroyedEvent* event);
  void On(UpdateEvent* event);

  std::vector<glm::vec2> FindPath(glm::vec2 start, glm::vec2 goal, Space* space);
  // Whether a DETECT_WALLS ray from one point to the other meets nothing.
  bool IsPathClear(glm::vec2 from, glm::vec2 to) const;

  // Whether a wall ends at one of the tile's corners so that a route can turn around it there.
  bool IsCornerTile(int x, int y) const;
  void AddNode(int x, int y);
  void RemoveNode(std::uint32_t index);
  // The active node on the tile, or -1.
  int FindNodeAt(int x, int y) const;
  // The active nodes the sweep from the tile does not rule out, by ascending index: a superset of
  // those a ray from the tile's centre reaches. A node on the tile itself is among them.
  std::vector<std::uint32_t> VisibleCandidates(int x, int y) const;
  void LinkNodes(Node& first, Node& second);
  // Builds the graph anew: a node on every corner tile, in column order.
  void BuildGraph();
  // Adds and removes nodes in the 3 x 3 tiles around (x, y); nodes that stay keep their links.
  void UpdateAroundTile(int x, int y);
  void DebugDrawGraph();
  void DebugDrawPath(const std::vector<glm::vec2>& path, Space* space);

  const std::vector<Node>& GetNodes() const { return nodes; }
  const std::vector<std::uint32_t>& GetFreeIndices() const { return freeIndices; }
  std::size_t ActiveNodeCount() const;

private:
  // Lower g + h first; among equals, the one inserted first.
  struct CostOrder
  {
    bool operator()(const Node* first, const Node* second) const
    {
      return first->g + first->h < second->g + second->h;
    }
  };
  using OpenSet = std::multiset<Node*, CostOrder>;

  void SeedOpenSet(glm::vec2 start, glm::vec2 goal);
  void ClearSearch();
  void AddToOpenSet(Node& node);
  // Whether the node sees the search's goal; each node's ray to it is cast once a search.
  bool SeesGoal(const Node& node, glm::vec2 goal);
  bool IsSideOpen(int x, int y, std::uint8_t side) const;
  // Whether the sweep passes between two tiles a unit step apart; outside the map it does not.
  bool SweepPasses(int x, int y, int stepX, int stepY) const;
  // One eighth of the sweep, its tiles given by the axes (along, out) in map steps.
  void SweepOctant(int x, int y, glm::ivec2 along, glm::ivec2 out, std::vector<std::uint32_t>& found) const;
  std::size_t TileIndex(int x, int y) const;
  // The route from the start through the found node's chain of parents to the goal.
  std::vector<glm::vec2> RouteThrough(const Node& found, glm::vec2 start, glm::vec2 goal) const;

  Transient<LivePointer<ShipMap>> shipMap;
  std::vector<Node> nodes;
  // By tile (x + y * width): the active node standing there, or -1; sized when the graph is built.
  std::vector<int> nodeAtTile;
  std::uint32_t nextIndex = 0;
  std::vector<std::uint32_t> freeIndices;
  // The open set points at this graph's own nodes.
  Transient<OpenSet> openSet;
  // Where each node stands in the open set, and whether it is in either set, by node index.
  Transient<std::vector<OpenSet::iterator>> openEntries;
  std::vector<std::uint8_t> inOpenSet;
  std::vector<std::uint8_t> inClosedSet;
  std::vector<std::uint8_t> goalSight;  // by node index: 0 not yet cast, 1 sees the goal, 2 does not
  bool debugDrawGraph = false;
};
