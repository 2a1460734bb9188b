// A menu button under the mouse lights (frame 1) and grows by "smallEmph" over "animationTime",
// and goes back when the focus goes to another button. The action system drives it from the game
// loop, so the tween goes on while the button's space is paused.
#include "FlowScene.h"

#include "render/Sprite.h"

class ButtonAnimatorTest : public FlowScene
{
protected:
  void SetUp() override
  {
    SKIP_WITHOUT_GL();
    StartAtMainMenu();
  }
  Sprite* Face() { return ComponentOf<Sprite>("Utility", "Credits"); }
};

TEST_F(ButtonAnimatorTest, TheButtonUnderTheMouseLightsAndGrowsAndGoesBackWhenTheFocusMovesOn)
{
  ASSERT_NE(Face(), nullptr);
  EXPECT_EQ(Face()->GetFrame(), 0u);
  EXPECT_EQ(Face()->GetScale(), glm::vec2(1.0f, 1.0f));

  Hover("Utility", "Credits");
  Frames(5);
  EXPECT_EQ(Face()->GetFrame(), 1u);
  const float growing = Face()->GetScale().x;
  EXPECT_GT(growing, 1.0f);
  EXPECT_LT(growing, 1.2f);
  // The space stops; the tween does not.
  Live("Utility")->SetPaused(true);
  Frames(20);
  EXPECT_FLOAT_EQ(Face()->GetScale().x, 1.2f);
  EXPECT_EQ(actions->RecordCount(), 0u);

  Live("Utility")->Unpause();
  Hover("Utility", "Quit");
  Frames(20);
  EXPECT_EQ(ComponentOf<Sprite>("Utility", "Quit")->GetFrame(), 1u);
  EXPECT_EQ(Face()->GetFrame(), 0u);
  EXPECT_FLOAT_EQ(Face()->GetScale().x, 1.0f);
}
