#include "PhysicsTestScene.h"

#include "object/GameobjectFactory.h"
#include "physics/MapBoundingColliders.h"

namespace
{
class MapBoundingCollidersTest : public PhysicsSceneTest
{
protected:
  MapBoundingCollidersTest()
  {
    GameobjectFactory::SetInstance(&factory);
    factory.Initialize();
    Json::Value wall;
    wall["RectangleCollider"]["mapFlag"] = true;
    wall["RectangleCollider"]["group"] = "WORLD_BOUNDARY";
    factory.DefinePrefab("Boundary", wall, "test");
  }

  ~MapBoundingCollidersTest() override
  {
    // The owner's OnDestroy queues the walls' destruction; the walls are ours to end here.
    for (Handle<GameObject>& wall : walls)
    {
      if (wall.IsValid())
        module->RemoveObject(wall->GetId());
      GameObject::Destroy(wall);
    }
    walls.clear();
    factory.ClearPrefabs();
    GameobjectFactory::SetInstance(nullptr);
  }

  MapBoundingColliders* MakeFence(glm::vec2 position)
  {
    Handle<GameObject> owner = MakeObject(position, "fence");
    auto* fence = MemoryManager::New<MapBoundingColliders>(BRINDLE_SITE);
    fence->boundaryPrefab = "Boundary";
    owner->AttachComponent(fence);
    fence->OnAwake();
    walls = fence->GetBoundaries();
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

  GameobjectFactory factory;
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

// Objects made from prefabs wake their colliders and body before their Transform; the record
// still gets all three.
TEST_F(MapBoundingCollidersTest, PrefabObjectsRegisterEverythingTheyCarry)
{
  Json::Value ball;
  ball["Rigidbody"]["Velocity"][0] = 120.0;
  ball["Rigidbody"]["Velocity"][1] = 0.0;
  ball["CircleCollider"]["radius"] = 15.0;
  ball["CircleCollider"]["group"] = "ENEMY";
  factory.DefinePrefab("Ball", ball, "test");
  Handle<GameObject> object;
  factory.CreateGameObjectAt(object, "Ball", nullptr, -500, -500, "ball");
  walls.push_back(object);
  ASSERT_TRUE(object.IsValid());
  const PhysicsObject* entry = module->Find(object->GetId());
  ASSERT_NE(entry, nullptr);
  EXPECT_NE(entry->transform, nullptr);
  EXPECT_NE(entry->rigidbody, nullptr);
  EXPECT_NE(entry->collider, nullptr);
  EXPECT_EQ(entry->CollisionGroup(), static_cast<std::uint32_t>(CollisionGroup::ENEMY));
  StepOnce();
  EXPECT_FLOAT_EQ(PositionOf(object).x, -500.0f + 120.0f * module->timer.stepTime);
}

TEST_F(MapBoundingCollidersTest, SpawningTwiceIsFatal)
{
  MapBoundingColliders* fence = MakeFence({0, 0});
  SetFatalChecksThrow(true);
  EXPECT_THROW(fence->SpawnBoundaries(), FatalCheckException);
  SetFatalChecksThrow(false);
  EXPECT_TRUE(asserts.Saw("Someone is calling SpawnBoundaries twice, don't do this please."));
}
