#include "render/SpriteTestEnvironment.h"

#include "object/Transform.h"
#include "render/PulseAndRise.h"

#include <cmath>

class PulseAndRiseTest : public SpriteTest
{
};

TEST_F(PulseAndRiseTest, ClimbsSteadilyWhileItsScaleFollowsTheSine)
{
  Define("Popup", R"({"PulseAndRise": null, "Transform": {"position": [5, 10], "scale": [2, 7]}})");
  const Handle<GameObject> popup = Make("Popup");
  Transform* transform = popup->GetTransform();
  for (int step = 1; step <= 4; ++step)
  {
    Update(0.1f);
    EXPECT_NEAR(transform->GetWorldPosition().y, 10.0f + 15.0f * static_cast<float>(step), 1e-4f);
    const float expected = 2.0f * std::sin(0.1f * static_cast<float>(step) * 1.142f);
    EXPECT_NEAR(transform->GetScale().x, expected, 1e-5f);
    EXPECT_NEAR(transform->GetScale().y, expected, 1e-5f);
  }
  PausedUpdate(1.0f);
  EXPECT_NEAR(transform->GetWorldPosition().y, 70.0f, 1e-4f);
  EXPECT_FLOAT_EQ(transform->GetWorldPosition().x, 5.0f);
  // Past its second zero the curve turns the picture over; it is not clamped.
  Update(2.5f);
  EXPECT_LT(transform->GetScale().x, 0.0f);
}
