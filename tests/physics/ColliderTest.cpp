#include "PhysicsTestScene.h"

#include "object/Members.h"
#include "physics/NoclipCommand.h"
#include "physics/RayCastTest.h"
#include "physics/RotationLock.h"

#include <cmath>
#include <random>

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

TEST_F(PhysicsSceneTest, RotationLockHoldsTheBodyUpright)
{
  Handle<GameObject> crate = MakeObject({0, 0});
  crate->GetTransform()->SetRotation(0.5f);
  Rigidbody* body = AddBody(crate);
  body->invMomentInertia = 0.25f;
  AddRectangle(crate, {40, 40}, G::ENEMY);
  auto* lock = MemoryManager::New<RotationLock>(BRINDLE_SITE);
  crate->AttachComponent(lock);
  lock->OnAwake();
  EXPECT_EQ(crate->GetTransform()->GetRotation(), 0.0f);
  EXPECT_EQ(lock->savedInvMomentInertia, 0.25f);

  // Hit off-centre by a pushing neighbour: no turn while locked.
  Handle<GameObject> pusher = MakeObject({30, 15});
  Rigidbody* pusherBody = AddBody(pusher);
  pusherBody->velocity = {-200, 0};
  AddCircle(pusher, 10, G::ENEMY);
  UpdateEvent update(SpaceId, 1.0f / 60.0f);
  events->SendEvent(MemoryManager::New<UpdateEvent>(BRINDLE_SITE, SpaceId, 1.0f / 60.0f));
  EXPECT_EQ(body->invMomentInertia, 0.0f);
  for (int step = 0; step < 5; ++step)
    StepOnce();
  EXPECT_EQ(body->angularVelocity, 0.0f);

  crate->GetTransform()->SetRotation(1e-8f);
  lock->On(&update);
  EXPECT_EQ(crate->GetTransform()->GetRotation(), 1e-8f);  // below the float epsilon
  crate->GetTransform()->SetRotation(0.01f);
  lock->On(&update);
  EXPECT_EQ(crate->GetTransform()->GetRotation(), 0.0f);

  lock->locked = false;
  lock->On(&update);
  EXPECT_EQ(body->invMomentInertia, 0.25f);

  // Without a body the lock says so and keeps only the rotation.
  Handle<GameObject> loose = MakeObject({500, 500});
  auto* looseLock = MemoryManager::New<RotationLock>(BRINDLE_SITE);
  loose->AttachComponent(looseLock);
  testing::internal::CaptureStdout();
  looseLock->OnAwake();
  EXPECT_NE(testing::internal::GetCapturedStdout().find("[ERROR]"), std::string::npos);
  looseLock->On(&update);
}

TEST_F(PhysicsSceneTest, RayCastTestDrawsItsFan)
{
  RecordingDrawer drawer;
  module->SetDebugDraw(&drawer);
  Handle<GameObject> caster = MakeObject({0, 0});
  auto* test = MemoryManager::New<RayCastTest>(BRINDLE_SITE);
  caster->AttachComponent(test);
  test->OnAwake();
  events->SendEvent(MemoryManager::New<UpdateEvent>(BRINDLE_SITE, SpaceId, 1.0f / 60.0f));
  ASSERT_EQ(drawer.lines.size(), 151u);
  for (const auto& line : drawer.lines)
  {
    EXPECT_EQ(line.colour, PhysicsModule::RayMissColour);
    EXPECT_FLOAT_EQ(line.length, 2000.0f);
  }
  EXPECT_EQ(drawer.lines[0].direction, glm::vec2(0, -1));
}

// The module's casts against a brute-force test of every entry, over random scenes of circles
// and turned rectangles in random groups, negative coordinates included.
TEST_F(PhysicsSceneTest, ModuleRayCastsMatchBruteForce)
{
  std::mt19937 random(4242);
  std::uniform_real_distribution<float> unit(0.0f, 1.0f);
  const G rayGroups[] = {G::PROJECTILE, G::PLAYER_LASER, G::VISION, G::PATHING, G::DETECT_WALLS};
  const G bodyGroups[] = {G::ENEMY, G::WALL, G::PLAYER, G::PROPS, G::DOORS, G::BLOCKS_LASER, G::ITEMS};
  for (int sceneIndex = 0; sceneIndex < 150; ++sceneIndex)
  {
    std::vector<Handle<GameObject>> scene;
    for (int index = 0; index < 30; ++index)
    {
      Handle<GameObject> object = MakeObject({(unit(random) * 2 - 1) * 1500, (unit(random) * 2 - 1) * 1500});
      const G group = bodyGroups[random() % 7];
      const float size = unit(random) < 0.9f ? 10 + 140 * unit(random) : 200 + 800 * unit(random);
      if (unit(random) < 0.5f)
        AddCircle(object, size, group);
      else
      {
        AddRectangle(object, {size, size * (0.2f + unit(random))}, group, unit(random) < 0.5f);
        object->GetTransform()->SetRotation(6.28f * unit(random));
        module->UpdateObject(object->GetId(), 0.0f);
      }
      if (unit(random) < 0.1f)
        GetCollider(object.Get())->SetActive(false);
      scene.push_back(object);
    }
    for (int rayIndex = 0; rayIndex < 10; ++rayIndex)
    {
      const glm::vec2 origin{(unit(random) * 2 - 1) * 1800, (unit(random) * 2 - 1) * 1800};
      const float angle = 6.2831853f * unit(random);
      const glm::vec2 direction{std::cos(angle), std::sin(angle)};
      const float length = 3000 * unit(random);
      const auto group = static_cast<std::uint32_t>(rayGroups[random() % 5]);
      const auto blockGroup = static_cast<std::uint32_t>(rayIndex % 2 == 0 ? G::BLOCKS_LASER : G::INVALID_GROUP);

      float nearest = INFINITY;
      float blockAt = INFINITY;
      std::vector<std::pair<float, std::uint32_t>> expected;
      for (const Handle<GameObject>& object : scene)
      {
        PhysicsObject& entry = *module->Find(object->GetId());
        float distance = 0;
        glm::vec2 point;
        bool blocking = false;
        if (module->IntersectRayWithObject(origin, direction, length, group, entry, distance, point, blocking,
                                           static_cast<std::uint32_t>(G::INVALID_GROUP)))
          nearest = std::min(nearest, distance);
        if (module->IntersectRayWithObject(origin, direction, length, group, entry, distance, point, blocking,
                                           blockGroup))
        {
          expected.emplace_back(distance, object->GetId());
          if (blocking)
            blockAt = std::min(blockAt, distance);
        }
      }
      std::sort(expected.begin(), expected.end());
      expected.erase(std::remove_if(expected.begin(), expected.end(), [&](auto& hit) { return hit.first > blockAt; }),
                     expected.end());

      RayCastResult result;
      const bool hit = module->RayCast(origin, direction, length, group, false, result, false);
      ASSERT_EQ(hit, nearest != INFINITY) << "scene " << sceneIndex << " ray " << rayIndex;
      if (hit)
      {
        ASSERT_EQ(result.distance, nearest);
      }

      std::vector<RayCastResult> results;
      float distance = 0;
      bool blocked = false;
      module->RayCastAll(origin, direction, length, group, false, results, distance, blocked, blockGroup);
      std::vector<std::pair<float, std::uint32_t>> found;
      for (const RayCastResult& each : results)
        found.emplace_back(each.distance, each.object->GetId());
      std::sort(found.begin(), found.end());
      ASSERT_EQ(found, expected) << "scene " << sceneIndex << " ray " << rayIndex;
      EXPECT_EQ(blocked, blockAt != INFINITY);
    }
    for (Handle<GameObject>& object : scene)
      module->RemoveObject(object->GetId());
  }
}

TEST_F(PhysicsSceneTest, NoclipSwitchesEveryPlayersGroup)
{
  Handle<GameObject> first = MakeObject({0, 0});
  CircleCollider* firstCollider = AddCircle(first, 10, G::PLAYER);
  Handle<GameObject> second = MakeObject({100, 0});
  RectangleCollider* secondCollider = AddRectangle(second, {10, 10}, G::PLAYER);
  Handle<GameObject> bare = MakeObject({200, 0});
  Handle<GameObject> gone;
  const std::vector<Handle<GameObject>> players{first, second, bare, gone};

  NoclipReply reply = RunNoclipCommand({"noclip"}, players);
  EXPECT_EQ(reply.header, "noclip");
  EXPECT_EQ(reply.text, "Usage: \n  noclip on/off");
  reply = RunNoclipCommand({"noclip", "On"}, players);
  EXPECT_EQ(reply.text, "Usage: \n  noclip on/off");
  EXPECT_EQ(firstCollider->group, G::PLAYER);

  reply = RunNoclipCommand({"noclip", "on"}, players);
  EXPECT_EQ(reply.text, "Set all players' collision groups to PLAYER_NOCLIP");
  EXPECT_EQ(firstCollider->group, G::PLAYER_NOCLIP);
  EXPECT_EQ(secondCollider->group, G::PLAYER_NOCLIP);

  reply = RunNoclipCommand({"noclip", "off"}, players);
  EXPECT_EQ(reply.text, "Set all players' collision groups to PLAYER (no clip disabled)");
  EXPECT_EQ(firstCollider->group, G::PLAYER);
  EXPECT_EQ(secondCollider->group, G::PLAYER);
  EXPECT_EQ(RunNoclipCommand({"noclip", "on"}, {}).text, "Set all players' collision groups to PLAYER_NOCLIP");
}
