// Routes through a ship on the real game loop: a wall splits the hull into two halves joined along
// the bottom row, a closet opens by a door, and a force field in the hull lets bodies through but
// not shots.
#include "ai/navigation/PathGraph.h"
#include "core/EventManager.h"
#include "core/Send.h"
#include "gameplay/player/PlayerEvents.h"
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
}  // namespace

class PathGraphTest : public ShipScene
{
};

TEST_F(PathGraphTest, RoutesTurnAtWallEndsAndADoorDecidesWhetherTheClosetIsReachable)
{
  // Below the force field, a shot and a walker both heading up into the hull.
  WriteLevel("splithull", SplitHull, glm::vec2(0.0f, 0.0f),
             {Object("Shot", "Default", Centre(2, 0), R"({"Rigidbody": {"Velocity": [0, 400]},
                       "CircleCollider": {"group": "PROJECTILE", "radius": 8}})"),
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
      // The shot died in the field; the walker went through it into the hull.
      EXPECT_EQ(Find(space, "Shot"), nullptr);
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
