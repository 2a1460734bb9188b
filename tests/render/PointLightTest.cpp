#include "render/PointLight.h"

#include "LightsAndParticlesScene.h"
#include "app/FrameRateController.h"
#include "object/Members.h"
#include "platform/FrameClock.h"
#include "render/LightFlicker.h"
#include "support/CapturedLog.h"

#include <cmath>

namespace
{
class PointLightTest : public ::testing::Test
{
protected:
  PointLight* MakeLight(glm::vec2 position)
  {
    lamp = scene.MakeObject(position, "lamp");
    PointLight* light = scene.Add<PointLight>(lamp);
    light->OnAwake();
    return light;
  }

  LightsAndParticlesScene scene;
  Handle<GameObject> lamp;
};

class HandClock : public FrameClock
{
public:
  std::int64_t NowUs() override { return now; }
  void Sleep(std::int64_t) override {}
  std::int64_t now = 0;
};

void ExpectRow(const Graphics::LightInstance& record, int row, float a, float b, float c, float d)
{
  EXPECT_NEAR(record.model[row * 4 + 0], a, 1e-4f) << "row " << row;
  EXPECT_NEAR(record.model[row * 4 + 1], b, 1e-4f) << "row " << row;
  EXPECT_NEAR(record.model[row * 4 + 2], c, 1e-4f) << "row " << row;
  EXPECT_NEAR(record.model[row * 4 + 3], d, 1e-4f) << "row " << row;
}
}  // namespace

TEST_F(PointLightTest, TheRecordCarriesTheMatrixRowsAndTheLightsValues)
{
  PointLight* light = MakeLight({100, 50});
  light->scale = {2, 1};
  light->color = fColor(0.25f, 0.5f, 0.75f, 1);
  light->direction = 0.5f;
  light->type = 2;
  const Graphics::LightInstance record = light->MakeInstance(glm::mat3(1.0f));
  ExpectRow(record, 0, 2, 0, 0, 100);
  ExpectRow(record, 1, 0, 1, 0, 50);
  ExpectRow(record, 2, 0, 0, 1, 0);
  ExpectRow(record, 3, 0, 0, 0, 1);
  EXPECT_EQ(record.color, light->color);
  EXPECT_FLOAT_EQ(record.c[1], 0.1f);
  EXPECT_FLOAT_EQ(record.c[2], 0.9f);
  EXPECT_EQ(record.direction, 0.5f);
  EXPECT_EQ(record.type, 2u);
}

TEST_F(PointLightTest, TheOffsetTurnsWithTheObjectButNotWithTheLightsAngle)
{
  PointLight* light = MakeLight({0, 0});
  light->offset = {0, 10};
  light->angle = 1.0f;
  lamp->GetTransform()->SetRotation(1.5707964f);  // the object's y axis now points along -x
  const Graphics::LightInstance record = light->MakeInstance(glm::mat3(1.0f));
  EXPECT_NEAR(record.model[3], -10.0f, 1e-4f);
  EXPECT_NEAR(record.model[7], 0.0f, 1e-4f);
}

TEST_F(PointLightTest, MembersAreReflectedInTheirFileOrder)
{
  PointLight* light = MakeLight({0, 0});
  std::vector<MemberBase*> members;
  light->GetMembers(members);
  const char* const names[] = {"on", "color", "scale", "offset", "c1", "c2", "c3", "c4", "direction", "type"};
  ASSERT_EQ(members.size(), 10u);
  for (std::size_t i = 0; i < members.size(); ++i)
  {
    EXPECT_EQ(members[i]->GetName(), names[i]);
    EXPECT_FALSE(members[i]->HasChanged()) << names[i];
  }
  Members::Clear(members);
}

TEST_F(PointLightTest, FlickerScalesTheBaseColourByTheElapsedTime)
{
  PointLight* light = MakeLight({0, 0});
  light->color = fColor(1, 0.5f, 0, 1);
  auto* flicker = scene.Add<LightFlicker>(lamp);
  flicker->OnAwake();

  HandClock clock;
  FrameRateController controller(120.0f, &clock);
  controller.StartFrame();
  controller.EndFrame();
  scene.Update(1.0f / 60.0f, controller.GetElapsedTime());
  EXPECT_EQ(light->color, fColor(1, 0.5f, 0, 1));  // t = 0: factor 1

  float lowest = 2.0f;
  float highest = 0.0f;
  for (int frame = 1; frame <= 300; ++frame)
  {
    clock.now = frame * 10000;
    controller.LimitFrame(0);
    scene.Update(1.0f / 60.0f, controller.GetElapsedTime());
    const float t = controller.GetElapsedTime();
    const float factor = flicker->Factor(t);
    lowest = std::min(lowest, factor);
    highest = std::max(highest, factor);
    // Every channel, alpha too, unclamped, from the colour the light had on waking.
    ASSERT_EQ(light->color, fColor(1, 0.5f, 0, 1) * factor) << "t = " << t;
  }
  EXPECT_GE(lowest, 0.5f);
  EXPECT_LE(highest, 1.5f);
  EXPECT_GT(highest, 1.4f);
  EXPECT_LT(lowest, 0.6f);
}

TEST_F(PointLightTest, FlickerWithoutALightWarnsOnce)
{
  CapturedLog output;
  Handle<GameObject> dark = scene.MakeObject({0, 0}, "dark");
  scene.Add<LightFlicker>(dark)->OnAwake();
  scene.Update(0.1f);
  scene.Update(0.1f);
  EXPECT_EQ(output.CountOf("[WARNING] LightFlicker of \"dark\": no PointLight; flickering is skipped."), 1u);
}
