// The whiskers against walls in a real space: where the avoidance target lands when both whiskers
// meet a wall head on, and when only one does.
#include "steering/Motivator.h"
#include "support/HandMadeObjects.h"
#include "support/ScopedEngine.h"
#include "object/Space.h"
#include "physics/PhysicsModule.h"
#include "physics/RectangleCollider.h"
#include "steering/behaviors/ObstacleAvoidance.h"
#include "support/HandMadeObjects.h"

#include <gtest/gtest.h>

class ObstacleAvoidanceTest : public EngineTestWith<ScopedEngine::EventsOnly>
{
protected:
  ~ObstacleAvoidanceTest() override
  {
    character.Release();
    DestroyHandMadeObjects(objects, *PhysicsModule::Of(space.get()));
    space.reset();
  }

  void AddWall(glm::vec2 centre, glm::vec2 size)
  {
    Handle<GameObject> wall = MakeHandMadeObject(centre, "Wall", space.get(), objects);
    auto* rectangle = MemoryManager::New<RectangleCollider>(BRINDLE_SITE);
    rectangle->SetSize(size.x, size.y);
    rectangle->group = CollisionGroup::WALL;
    wall->AttachComponent(rectangle);
    rectangle->OnAwake();
  }

  std::unique_ptr<Space> space = std::make_unique<Space>("avoid");
  std::vector<Handle<GameObject>> objects;
  Motivator motivator;
  Handle<Kinematic> character = MemoryManager::NewHandle<Kinematic>(BRINDLE_SITE);
};

TEST_F(ObstacleAvoidanceTest, TheTargetLiesOffTheWhiskerEndsAwayFromTheWall)
{
  character->motivator = &motivator;
  ObstacleAvoidance avoidance(space.get(), character);
  EXPECT_EQ(avoidance.GetSteering().linear, glm::vec2(0.0f, 0.0f)) << "at rest it looks nowhere";
  character->velocity = {100.0f, 0.0f};
  EXPECT_EQ(avoidance.GetSteering().linear, glm::vec2(0.0f, 0.0f)) << "nothing ahead";

  // Whiskers from (0, +-32) along +x, 256 + 100 long. A wall above the path, its face at x = 200,
  // meets the upper whisker only; the lower one reports its end (356, -32).
  AddWall({250.0f, 100.0f}, {100.0f, 200.0f});
  avoidance.GetSteering();
  const glm::vec2 across(356.0f - 200.0f, -32.0f - 32.0f);
  const glm::vec2 expected = glm::vec2(278.0f, 0.0f) + 64.0f * glm::normalize(glm::vec2(across.y, -across.x));
  EXPECT_NEAR(avoidance.GetTarget()->position.x, expected.x, 1e-2f);
  EXPECT_NEAR(avoidance.GetTarget()->position.y, expected.y, 1e-2f) << "below the wall";
  EXPECT_LT(avoidance.GetSteering().linear.y, 0.0f);

  // Head on, both meet the face: the point 64 short of its middle.
  AddWall({250.0f, -100.0f}, {100.0f, 200.0f});
  avoidance.GetSteering();
  EXPECT_NEAR(avoidance.GetTarget()->position.x, 136.0f, 1e-2f);
  EXPECT_NEAR(avoidance.GetTarget()->position.y, 0.0f, 1e-2f);
}
