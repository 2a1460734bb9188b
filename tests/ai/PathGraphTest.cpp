// Routes through a ship on the real game loop: a wall splits the hull into two halves joined along
// the bottom row, a closet opens by a door, and a force field in the hull lets bodies through but
// not shots, the enemies' no more than the player's.
#include "ai/navigation/PathGraph.h"
#include "core/EventManager.h"
#include "core/Send.h"
#include "gameplay/player/PlayerEvents.h"
#include "gameplay/ship/ShipLayoutFile.h"
#include "gameplay/ship/SimpleDoorLogic.h"
#include "physics/Collider.h"
#include "render/Sprite.h"
#include "support/ShipScene.h"

namespace
{
const std::string SplitHull = "ship\n8\n6\n"
                              "000 00I 00I 00I 00I 00I 00I 000 \n"
                              "0W0 100 100 1W0 100 1W0 1WD 000 \n"
                              "0W0 100 100 1W0 100 100 1W0 000 \n"
                              "0W0 100 100 1W0 100 100 1W0 000 \n"
                              "0W0 10I 10F 10I 10I 10I 1WI 000 \n"
                              "000 000 000 000 000 000 000 000 \n";

glm::vec2 Centre(int x, int y)
{
  return glm::vec2(static_cast<float>(x) + 0.5f, static_cast<float>(y) + 0.5f) * 128.0f;
}

void Interact(GameObject& object)
{
  Queue<InteractionEvent>(BRINDLE_SITE, object.GetId());
}

// Two halls of `side` tiles side by side: the left one open, with a pillar of one tile every
// `pillarStep` tiles; the right one split every `room` tiles into rooms joined by gaps of two tiles,
// staggered from wall to wall, with the same pillars.
std::string PillaredHalls(int side, int room, int pillarStep)
{
  ShipLayout layout;
  layout.width = 2 * side;
  layout.height = side;
  layout.tiles.assign(static_cast<std::size_t>(layout.width) * side, ShipTile());
  auto isPillar = [&](int x, int y) {
    x %= side;
    return x > 1 && y > 1 && x < side - 2 && y < side - 2 && x % pillarStep == pillarStep / 2 &&
           y % pillarStep == pillarStep / 2;
  };
  auto wallAt = [&](int along, int across) {
    if (across % room != 0)
      return false;
    const int gap = (along / room + across / room) % 2 == 0 ? 1 : room - 3;
    return along % room != gap && along % room != gap + 1;
  };
  for (int y = 1; y < side - 1; ++y)
  {
    for (int x = 1; x < layout.width - 1; ++x)
    {
      const int local = x % side;
      if (local == 0 || local == side - 1)
        continue;
      const bool rooms = x >= side;
      ShipTile& tile = layout.At(x, y);
      tile.floor = '1';
      if (local == side - 2 || (rooms && wallAt(y, local + 1)) || isPillar(x, y) || isPillar(x + 1, y))
        tile.side = 'W';
      if (y == 1 || (rooms && wallAt(local, y)) || isPillar(x, y) || isPillar(x, y - 1))
        tile.bottom = 'I';
    }
  }
  for (int x = 1; x < layout.width - 1; ++x)
    if (x % side != 0 && x % side != side - 1)
      layout.At(x, side - 1).bottom = 'I';
  layout.At(0, 1).side = 'W';
  for (int y = 1; y < side - 1; ++y)
  {
    layout.At(0, y).side = 'W';
    layout.At(side, y).side = 'W';
  }
  return ShipLayoutFile::Format(layout);
}
}  // namespace

class PathGraphTest : public ShipScene
{
};

TEST_F(PathGraphTest, RoutesTurnAtWallEndsAndADoorDecidesWhetherTheClosetIsReachable)
{
  // Below the force field, the player's shot, an enemy's and a walker, all heading up into the hull.
  WriteLevel("splithull", SplitHull, glm::vec2(0.0f, 0.0f),
             {Object("Shot", "Default", Centre(2, 0), R"({"Rigidbody": {"Velocity": [0, 400]},
                       "CircleCollider": {"group": "PROJECTILE", "radius": 8}})"),
              Object("Enemy Shot", "Default", Centre(2, 0) - glm::vec2(30.0f, 0.0f), R"({"Rigidbody": {"Velocity": [0, 400]},
                       "CircleCollider": {"group": "ENEMY_PROJECTILE", "radius": 8}})"),
              Object("Walker", "Default", Centre(2, 0) + glm::vec2(30.0f, 0.0f), R"({"Rigidbody": {"Velocity": [0, 400]},
                       "CircleCollider": {"group": "PLAYER", "radius": 8}})")});
  const glm::vec2 start = Centre(1, 4);
  const glm::vec2 closet = Centre(6, 4);
  Run("splithull", 45, [&](int frame, Space& space) {
    auto* graph = Find(space, "Ship")->GetComponent<PathGraph>();
    GameObject* doorLogic = ObjectsOf(space, "door logic").at(0);
    GameObject* door = doorLogic->GetParent().Get();
    ASSERT_NE(door, nullptr);
    if (frame == 2)
    {
      // Shut once attached: its frame, and a wall that stops rays.
      EXPECT_FALSE(doorLogic->GetComponent<SimpleDoorLogic>()->IsOpen());
      EXPECT_EQ(door->GetSprite()->GetFrame(), SimpleDoorLogic::ShutFrame);
      EXPECT_EQ(GetCollider(door)->group, CollisionGroup::WALL);

      // Nodes stand where the walls end: below the split, on either side.
      EXPECT_GE(graph->FindNodeAt(3, 1), 0);
      EXPECT_GE(graph->FindNodeAt(4, 1), 0);
      EXPECT_LT(graph->FindNodeAt(2, 2), 0) << "the middle of a room is no corner";

      EXPECT_EQ(graph->FindPath(start, Centre(2, 2), &space), (std::vector<glm::vec2>{start, Centre(2, 2)}));
      EXPECT_EQ(graph->FindPath(start, Centre(5, 1), &space), (std::vector<glm::vec2>{start, Centre(3, 1), Centre(5, 1)}));
      const std::vector<glm::vec2> around = graph->FindPath(start, Centre(5, 4), &space);
      EXPECT_EQ(around, (std::vector<glm::vec2>{start, Centre(3, 1), Centre(4, 1), Centre(5, 4)}));
      for (std::size_t i = 0; i + 1 < around.size(); ++i)
        EXPECT_TRUE(graph->IsPathClear(around[i], around[i + 1]));
      EXPECT_TRUE(graph->FindPath(start, closet, &space).empty()) << "the shut door hides the closet";
      Interact(*doorLogic);
    }
    if (frame == 3)
    {
      EXPECT_TRUE(doorLogic->GetComponent<SimpleDoorLogic>()->IsOpen());
      EXPECT_EQ(door->GetSprite()->GetFrame(), SimpleDoorLogic::OpenFrame);
      EXPECT_FALSE(GetCollider(door)->IsActive());
      const std::vector<glm::vec2> in = graph->FindPath(start, closet, &space);
      ASSERT_GE(in.size(), 3u);
      EXPECT_EQ(in.back(), closet);
      Interact(*doorLogic);
    }
    if (frame == 4)
    {
      EXPECT_EQ(door->GetSprite()->GetFrame(), SimpleDoorLogic::ShutFrame);
      EXPECT_TRUE(GetCollider(door)->IsActive());
    }
    if (frame == 45)
    {
      // Both shots died in the field; the walker went through it into the hull.
      EXPECT_EQ(Find(space, "Shot"), nullptr);
      EXPECT_EQ(Find(space, "Enemy Shot"), nullptr) << "an enemy's shot went through the field";
      ASSERT_NE(Find(space, "Walker"), nullptr);
      EXPECT_GT(Find(space, "Walker")->GetTransform()->GetWorldPosition().y, Centre(2, 1).y);
      EXPECT_FALSE(ObjectsOf(space, "force particle").empty()) << "the field shows itself";

      // A removed node's index is the next one given out.
      const int removed = graph->FindNodeAt(3, 1);
      graph->RemoveNode(static_cast<std::uint32_t>(removed));
      EXPECT_EQ(graph->FindNodeAt(3, 1), -1);
      for (const PathGraph::Node& node : graph->GetNodes())
        for (const PathGraph::Edge& link : node.neighbours)
          EXPECT_NE(link.node, static_cast<std::uint32_t>(removed)) << "its links went with it";
      graph->AddNode(3, 1);
      EXPECT_EQ(graph->FindNodeAt(3, 1), removed);
    }
  });
  EXPECT_FALSE(output.Contains("[ERROR]")) << output.Text();
}

// The graph links every pair of nodes that a ray between their centres finds clear, and no other:
// the pairs the sweep leaves out are all blocked. Each list runs in the order of the node indices,
// as when every new node was tried against every node before it.
TEST_F(PathGraphTest, EveryPairOfNodesInSightIsLinkedAndNoOther)
{
  WriteLevel("halls", PillaredHalls(22, 6, 4), glm::vec2(0.0f, 0.0f));
  std::size_t links = 0;
  std::size_t nodeCount = 0;
  Run("halls", 1, [&](int, Space& space) {
    auto* graph = Find(space, "Ship")->GetComponent<PathGraph>();
    const std::vector<PathGraph::Node>& nodes = graph->GetNodes();
    nodeCount = nodes.size();
    for (const PathGraph::Node& node : nodes)
    {
      std::vector<std::uint32_t> inSight;
      for (const PathGraph::Node& other : nodes)
      {
        // The later node's ray towards the earlier one, as the nodes were laid.
        const PathGraph::Node& later = other.index > node.index ? other : node;
        const PathGraph::Node& earlier = other.index > node.index ? node : other;
        if (other.index != node.index && graph->IsPathClear(later.position, earlier.position))
          inSight.push_back(other.index);
      }
      std::vector<std::uint32_t> linked;
      for (const PathGraph::Edge& link : node.neighbours)
        linked.push_back(link.node);
      EXPECT_EQ(linked, inSight) << "node " << node.index << " at " << node.tileX << ", " << node.tileY;
      links += linked.size();
    }
  });
  EXPECT_GT(nodeCount, 100u);
  EXPECT_GT(links, 10 * nodeCount);
  EXPECT_FALSE(output.Contains("[ERROR]")) << output.Text();
}
