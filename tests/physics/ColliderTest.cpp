#include "PhysicsTestScene.h"

#include "object/Members.h"

#include <cmath>

using G = CollisionGroup;

TEST_F(PhysicsSceneTest, CollidersContainPointsAndKeepTheirOffset)
{
  Handle<GameObject> ball = MakeObject({100, 100});
  CircleCollider* circle = AddCircle(ball, 10, G::ENEMY);
  EXPECT_TRUE(circle->ContainsPoint(110, 100));  // the edge counts
  EXPECT_FALSE(circle->ContainsPoint(110.1f, 100));

  circle->offset = {5, -5};
  EXPECT_EQ(circle->GetPosition(), glm::vec2(105, 95));
  EXPECT_TRUE(circle->ContainsPoint(90, 100));  // the point test ignores the offset
  circle->SetPosition(40, 60);
  EXPECT_EQ(circle->GetPosition(), glm::vec2(40, 60));
  EXPECT_EQ(PositionOf(ball), glm::vec2(35, 65));

  Handle<GameObject> box = MakeObject({0, 0});
  RectangleCollider* rectangle = AddRectangle(box, {100, 20}, G::WALL);
  box->GetTransform()->SetRotation(1.5707963f);
  EXPECT_TRUE(rectangle->ContainsPoint(0, 50));
  EXPECT_TRUE(rectangle->ContainsPoint(10, 0));
  EXPECT_FALSE(rectangle->ContainsPoint(50, 0));

  EXPECT_FLOAT_EQ(rectangle->GetBoundingRadius(), std::sqrt(50.0f * 50.0f + 10.0f * 10.0f));
  rectangle->SetSize(30, 40);
  EXPECT_FLOAT_EQ(rectangle->GetBoundingRadius(), 25.0f);

  // Both shapes on one object: the rectangle is the object's collider.
  auto* second = MemoryManager::New<RectangleCollider>(BRINDLE_SITE);
  ball->AttachComponent(second);
  EXPECT_EQ(GetCollider(ball.Get()), second);
  EXPECT_EQ(GetCollider(nullptr), nullptr);
}

TEST_F(PhysicsSceneTest, ColliderMembersCopiesAndLoadedRadius)
{
  RectangleCollider source;
  EXPECT_EQ(source.group, G::PROJECTILE);
  EXPECT_EQ(source.scale, glm::vec2(100, 100));
  source.scale = {60, 80};
  source.mapFlag = true;
  source.ghost = true;
  source.radius = 999.0f;
  source.radiusDirty = false;

  RectangleCollider copy;
  copy = source;
  EXPECT_TRUE(copy.mapFlag);
  EXPECT_TRUE(copy.ghost);
  EXPECT_FLOAT_EQ(copy.GetBoundingRadius(), 50.0f);  // worked out again, not copied

  // A file's "radius" is only a cache: the loaded scale decides.
  std::vector<MemberBase*> members;
  source.GetMembers(members);
  ASSERT_EQ(members.size(), 8u);
  EXPECT_EQ(members[0]->GetName(), "colliding");
  EXPECT_EQ(members[2]->GetName(), "group");
  EXPECT_EQ(members[7]->GetName(), "radius");
  Members::Clear(members);
  Json::Value loaded;
  loaded["radius"] = 999.0;
  source.Deserialize(loaded);
  EXPECT_FLOAT_EQ(source.GetBoundingRadius(), 50.0f);

  CircleCollider circle;
  EXPECT_EQ(circle.group, G::PROJECTILE);
  EXPECT_EQ(circle.radius, 50.0f);
  circle.GetMembers(members);
  ASSERT_EQ(members.size(), 7u);
  EXPECT_EQ(members[6]->GetName(), "dynamic tests");
  Members::Clear(members);

  Rigidbody body;
  body.GetMembers(members);
  ASSERT_EQ(members.size(), 8u);
  EXPECT_EQ(members[0]->GetName(), "Velocity");
  EXPECT_EQ(members[7]->GetName(), "active");
  Members::Clear(members);
}
