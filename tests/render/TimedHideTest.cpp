#include "render/SpriteTestEnvironment.h"

#include "render/TimedHide.h"
#include "support/CapturedLog.h"

class TimedHideTest : public SpriteTest
{
};

TEST_F(TimedHideTest, ShowsTheSpriteOnceTheDelayIsBelowZero)
{
  Define("Late", R"({"TimedHide": {"delay": 0.5}, "Sprite": null, "Transform": null})");
  const Handle<GameObject> late = Make("Late");
  const Sprite& sprite = SpriteOf(late);
  EXPECT_FALSE(sprite.GetDraw());
  Update(0.25f);
  PausedUpdate(10.0f);
  Update(0.25f);
  EXPECT_FALSE(sprite.GetDraw());
  Update(0.01f);
  EXPECT_TRUE(sprite.GetDraw());
}

TEST_F(TimedHideTest, WithNoDelayShowsInTheFirstUpdate)
{
  Define("Prompt", R"({"TimedHide": {"delay": 0}, "Sprite": null, "Transform": null})");
  const Handle<GameObject> prompt = Make("Prompt");
  EXPECT_FALSE(SpriteOf(prompt).GetDraw());
  Update(0.016f);
  EXPECT_TRUE(SpriteOf(prompt).GetDraw());
}

TEST_F(TimedHideTest, WithoutASpriteSaysSoOnce)
{
  Define("Bare", R"({"TimedHide": {"delay": 0.1}, "Transform": null})");
  CapturedLog output;
  const Handle<GameObject> bare = Make("Bare");
  for (int step = 0; step < 5; ++step)
    Update(0.1f);
  EXPECT_EQ(output.CountOf("[WARNING] TimedHide"), 1u);
  EXPECT_LT(bare->GetComponent<TimedHide>()->GetDelay(), 0.0f);
}
