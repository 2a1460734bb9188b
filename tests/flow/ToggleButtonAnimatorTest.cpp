// The on/off buttons of the main menu, clicked: each switches its setting (music and effect
// volumes through the sound system, god mode, the window) and its "ON" face shows the state, from
// the menu's first frames on.
#include "FlowScene.h"

#include "flow/menu/ToggleButtonAnimator.h"
#include "gameplay/combat/GodMode.h"
#include "render/Sprite.h"

class ToggleButtonAnimatorTest : public FlowScene
{
protected:
  void SetUp() override
  {
    FlowScene::SetUp();
    SKIP_WITHOUT_GL();
    StartAtMainMenu();
  }
  void TearDown() override
  {
    SetGodMode(false);
    FlowScene::TearDown();
  }

  bool IsOn(const std::string& toggle) { return ComponentOf<ToggleButtonAnimator>("Utility", toggle)->IsOn(); }
  float FaceAlpha(const std::string& toggle) { return ComponentOf<Sprite>("Utility", toggle)->GetColor().a; }
};

TEST_F(ToggleButtonAnimatorTest, TogglesSwitchTheirSettingAndShowIt)
{
  EXPECT_TRUE(IsOn("Music"));
  EXPECT_TRUE(IsOn("Sound FX"));
  EXPECT_FALSE(IsOn("God Mode"));
  EXPECT_FALSE(IsOn("Fullscreen"));
  EXPECT_EQ(FaceAlpha("Music"), 1.0f);
  EXPECT_EQ(FaceAlpha("God Mode"), 0.0f);

  Click("Utility", "Music");
  EXPECT_EQ(soundSystem->GetMusicVolume(), 0.0f);
  EXPECT_FALSE(IsOn("Music"));
  Click("Utility", "Music");
  EXPECT_EQ(soundSystem->GetMusicVolume(), 1.0f);
  EXPECT_TRUE(IsOn("Music"));
  Click("Utility", "Sound FX");
  EXPECT_EQ(soundSystem->GetSFXVolume(), 0.0f);
  EXPECT_FALSE(IsOn("Sound FX"));

  Click("Utility", "God Mode");
  EXPECT_TRUE(IsGodModeOn());
  Click("Utility", "Fullscreen");
  EXPECT_TRUE(fullscreen);
  // The mouse rests on the full screen button: its face is shown, the others' as set.
  Frames(20);
  EXPECT_TRUE(IsOn("God Mode") && IsOn("Fullscreen"));
  EXPECT_EQ(FaceAlpha("Fullscreen"), 1.0f);
  EXPECT_EQ(FaceAlpha("God Mode"), 1.0f);
  EXPECT_EQ(FaceAlpha("Sound FX"), 0.0f);

  // Switched off under the mouse it fades out; the mouse coming onto it again half shows its "ON"
  // face, as a preview.
  Click("Utility", "God Mode");
  EXPECT_FALSE(IsGodModeOn());
  Frames(20);
  EXPECT_EQ(FaceAlpha("God Mode"), 0.0f);
  MouseTo(PixelX(0), PixelY(480));
  Hover("Utility", "God Mode");
  Frames(20);
  EXPECT_EQ(FaceAlpha("God Mode"), 0.5f);
}
