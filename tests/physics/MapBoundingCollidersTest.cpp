#include "PhysicsTestScene.h"

#include "physics/MapBoundingColliders.h"
#include "physics/PhysicsEvents.h"
#include "support/CapturedLog.h"

namespace
{
class MapBoundingCollidersTest : public PhysicsFactoryTest
{
protected:
  MapBoundingCollidersTest()
  {
    Json::Value wall;
    wall["RectangleCollider"]["mapFlag"] = true;
    wall["RectangleCollider"]["group"] = "WORLD_BOUNDARY";
    factory.DefinePrefab("Boundary", wall, "test");
  }

  MapBoundingColliders* MakeFence(glm::vec2 position)
  {
    Handle<GameObject> owner = MakeObject(position, "fence");
    auto* fence = MemoryManager::New<MapBoundingColliders>(BRINDLE_SITE);
    fence->boundaryPrefab = "Boundary";
    owner->AttachComponent(fence);
    fence->OnAwake();
    walls = fence->GetBoundaries();
    made.insert(made.end(), walls.begin(), walls.end());
    return fence;
  }

  static void ExpectWall(const Handle<GameObject>& wall, glm::vec2 size, glm::vec2 centre)
  {
    ASSERT_TRUE(wall.IsValid());
    auto* collider = wall->GetComponent<RectangleCollider>();
    ASSERT_NE(collider, nullptr);
    EXPECT_EQ(collider->scale, size) << wall->GetName();
    EXPECT_EQ(wall->GetTransform()->GetWorldPosition(), centre) << wall->GetName();
  }

  std::vector<Handle<GameObject>> walls;
};
}  // namespace

TEST_F(MapBoundingCollidersTest, FourWallsAroundTheOwnerFollowMovesAndResizes)
{
  MapBoundingColliders* fence = MakeFence({0, 0});
  ASSERT_EQ(walls.size(), 4u);
  EXPECT_EQ(walls[0]->GetName(), "Right Boundary");
  EXPECT_EQ(walls[3]->GetName(), "Bottom Boundary");
  ExpectWall(walls[0], {500, 3000}, {1750, 0});
  ExpectWall(walls[1], {3000, 500}, {0, 1750});
  ExpectWall(walls[2], {500, 3000}, {-1750, 0});
  ExpectWall(walls[3], {3000, 500}, {0, -1750});
  EXPECT_TRUE(module->Find(walls[0]->GetId())->isStatic);
  EXPECT_EQ(GetCollider(walls[0].Get())->group, CollisionGroup::WORLD_BOUNDARY);

  // The owner moves: the walls follow.
  fence->GetGameObject()->GetTransform()->SetWorldPosition(100, -50);
  ExpectWall(walls[0], {500, 3000}, {1850, -50});

  // The level flow announces a new area: resized, and the owner moves to its centre.
  events->SendEvent(MemoryManager::New<ResizeBoundary>(BRINDLE_SITE, SpaceId, 12000.0f, 7000.0f, glm::vec2(-300, 200)));
  EXPECT_EQ(fence->thickness, 100.0f);
  ExpectWall(walls[0], {100, 7000}, {-300 + 6050, 200});
  ExpectWall(walls[1], {12000, 100}, {-300, 200 + 3550});

  // A body inside cannot leave through a wall.
  Handle<GameObject> ball = MakeObject({-300 + 5990, 200});
  Rigidbody* body = AddBody(ball);
  AddCircle(ball, 10, CollisionGroup::PLAYER);
  body->velocity = {600, 0};
  for (int step = 0; step < 120; ++step)
    StepOnce();
  EXPECT_LT(PositionOf(ball).x, -300 + 6000.0f);

  // Destroying the owner queues the walls' destruction.
  events->ProcessQueue();
  fence->OnDestroy();
  EXPECT_EQ(events->QueueLength(), 4u);
}

TEST_F(MapBoundingCollidersTest, SpawningTwiceIsReportedAndKeepsTheWalls)
{
  MapBoundingColliders* fence = MakeFence({0, 0});
  CapturedLog output;
  fence->SpawnBoundaries();
  EXPECT_EQ(output.Text(), "[ERROR] Someone is calling SpawnBoundaries twice, don't do this please.\n");
  EXPECT_EQ(fence->GetBoundaries(), walls) << "no second set of walls";
}
