#include "PhysicsTestScene.h"

#include "object/FrameEvents.h"
#include "physics/RayCastTest.h"

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
