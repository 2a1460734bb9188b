#include "render/Light.h"

#include "LightsAndParticlesScene.h"
#include "physics/CircleCollider.h"
#include "physics/RectangleCollider.h"

#include <cmath>

namespace
{
class LightTest : public ::testing::Test
{
protected:
  Light* MakeLight(glm::vec2 position, float radius)
  {
    lamp = scene.MakeObject(position, "lamp");
    Light* light = scene.Add<Light>(lamp);
    light->radius = radius;
    light->OnAwake();
    return light;
  }

  // A wall that stops light, centred on `position`.
  void MakeBlocker(glm::vec2 position, glm::vec2 size)
  {
    Handle<GameObject> wall = scene.MakeObject(position, "wall");
    auto* rectangle = scene.Add<RectangleCollider>(wall);
    rectangle->SetSize(size.x, size.y);
    rectangle->group = CollisionGroup::LIGHT_BLOCK;
    rectangle->OnAwake();
  }

  LightsAndParticlesScene scene;
  Handle<GameObject> lamp;
};
}  // namespace

TEST_F(LightTest, WithNothingInTheWayTheRimIsACircleClosedOnItsFirstPoint)
{
  Light* light = MakeLight({300, -200}, 100);
  scene.Draw(nullptr);
  const std::vector<glm::vec2>& fan = light->GetVertices();
  ASSERT_EQ(fan.size(), 52u);
  EXPECT_EQ(fan[0], glm::vec2(0, 0));
  EXPECT_EQ(light->GetCentre(), glm::vec2(300, -200));
  for (int k = 1; k <= 51; ++k)
  {
    const float angle = static_cast<float>(k) * 3.14159265f / 25.0f;
    EXPECT_NEAR(fan[k].x, 100 * std::cos(angle), 1e-3f) << k;
    EXPECT_NEAR(fan[k].y, 100 * std::sin(angle), 1e-3f) << k;
  }
  EXPECT_NEAR(fan[51].x, fan[1].x, 1e-3f);
  EXPECT_NEAR(fan[51].y, fan[1].y, 1e-3f);
  // Every draw starts afresh.
  scene.Draw(nullptr);
  EXPECT_EQ(light->GetVertices().size(), 52u);
}

TEST_F(LightTest, ARayStopsAtTheFirstObstacleThatBlocksLight)
{
  Light* light = MakeLight({0, 0}, 100);
  // Ray 25 points along pi, straight to the left; the wall's near face is 40 away.
  MakeBlocker({-50, 0}, {20, 10});
  scene.Draw(nullptr);
  const std::vector<glm::vec2>& fan = light->GetVertices();
  EXPECT_NEAR(fan[25].x, -40.0f, 1e-3f);
  EXPECT_NEAR(fan[25].y, 0.0f, 1e-3f);
  // Rays to the right are untouched.
  EXPECT_NEAR(glm::length(fan[50]), 100.0f, 1e-3f);
}

TEST_F(LightTest, ACircleColliderSizesTheLight)
{
  lamp = scene.MakeObject({0, 0}, "lamp");
  auto* circle = scene.Add<CircleCollider>(lamp);
  circle->radius = 64;
  circle->group = CollisionGroup::NO_COLLISIONS;
  circle->OnAwake();
  Light* light = scene.Add<Light>(lamp);
  light->radius = 200;
  light->OnAwake();
  EXPECT_EQ(light->radius, 64.0f);
}

TEST_F(LightTest, AZeroRadiusGivesAPointAndAMissingTransformIsReportedNotFatal)
{
  Light* point = MakeLight({10, 10}, 0);
  scene.Draw(nullptr);
  for (const glm::vec2& vertex : point->GetVertices())
    EXPECT_EQ(vertex, glm::vec2(0, 0));

  Handle<GameObject> bare = MemoryManager::NewHandle<GameObject>(BRINDLE_SITE, std::string("Test"), scene.space.get());
  bare->SetHandle(bare);
  scene.objects.push_back(bare);
  Light* orphan = scene.Add<Light>(bare);
  orphan->OnAwake();
  EXPECT_EQ(scene.asserts.Count(), 1u);
  scene.expectedAsserts = 1;
  EXPECT_TRUE(scene.asserts.Saw("YOU DON'T HAVE YOUR TRANSFORM, LIGHT COMPONENT!"));
  scene.Draw(nullptr);
  EXPECT_TRUE(orphan->GetVertices().empty());
}

TEST_F(LightTest, CopiesTakeTheRadiusAndColourOnly)
{
  Light* light = MakeLight({0, 0}, 30);
  light->color = fColor(1, 0.5f, 0, 1);
  scene.Draw(nullptr);
  auto* copy = MemoryManager::New<Light>(BRINDLE_SITE);
  *copy = *light;
  EXPECT_EQ(copy->radius, 30.0f);
  EXPECT_EQ(copy->color, fColor(1, 0.5f, 0, 1));
  EXPECT_TRUE(copy->GetVertices().empty());
  MemoryManager::Delete(copy);
}
