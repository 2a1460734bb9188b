// The on/off buttons of the main menu, clicked and worked by keys: each switches its setting (music
// and effect volumes through the sound system, god mode, the window) and the check mark in its
// box shows the state, focused or not, from the menu's first frames on; the face shows the focus
// as any button's does, whatever the state, and no toggle changes size with it.
#include "FlowScene.h"

#include "flow/menu/ToggleButtonAnimator.h"
#include "gameplay/combat/GodMode.h"
#include "render/Sprite.h"

class ToggleButtonAnimatorTest : public FlowScene
{
protected:
  void SetUp() override
  {
    SKIP_WITHOUT_GL();
    StartAtMainMenu();
  }
  void TearDown() override
  {
    SetGodMode(false);
    FlowScene::TearDown();
  }

  bool IsOn(const std::string& toggle) { return ComponentOf<ToggleButtonAnimator>("Utility", toggle)->IsOn(); }
  float MarkAlpha(const std::string& toggle) { return ComponentOf<Sprite>("Utility", toggle + " Mark")->GetColor().a; }
  bool Lit(const std::string& toggle) { return ComponentOf<Sprite>("Utility", toggle)->GetFrame() == 1u; }
  // The faces' sizes, the four the same whatever their state and focus.
  bool FacesAlike()
  {
    const glm::vec2 size = ComponentOf<Sprite>("Utility", "Music")->GetScale();
    for (const char* toggle : {"Fullscreen", "Sound FX", "God Mode"})
      if (ComponentOf<Sprite>("Utility", toggle)->GetScale() != size)
        return false;
    return true;
  }
};

TEST_F(ToggleButtonAnimatorTest, TogglesSwitchTheirSettingAndShowIt)
{
  EXPECT_TRUE(IsOn("Music"));
  EXPECT_TRUE(IsOn("Sound FX"));
  EXPECT_FALSE(IsOn("God Mode"));
  EXPECT_FALSE(IsOn("Fullscreen"));
  EXPECT_EQ(MarkAlpha("Music"), 1.0f);
  EXPECT_EQ(MarkAlpha("God Mode"), 0.0f);
  EXPECT_TRUE(FacesAlike());

  Click("Utility", "Music");
  EXPECT_EQ(sound->GetMusicVolume(), 0.0f);
  EXPECT_FALSE(IsOn("Music"));
  Click("Utility", "Music");
  EXPECT_EQ(sound->GetMusicVolume(), 1.0f);
  EXPECT_TRUE(IsOn("Music"));
  Click("Utility", "Sound FX");
  EXPECT_EQ(sound->GetSFXVolume(), 0.0f);
  EXPECT_FALSE(IsOn("Sound FX"));
  Click("Utility", "Sound FX");
  EXPECT_EQ(sound->GetSFXVolume(), 1.0f) << "back to full";
  EXPECT_TRUE(IsOn("Sound FX"));
  Click("Utility", "Sound FX");

  Click("Utility", "God Mode");
  EXPECT_TRUE(IsGodModeOn());
  Click("Utility", "Fullscreen");
  EXPECT_TRUE(fullscreen);
  // The mouse rests on the full screen button: it is lit, its mark shown, the others' as set.
  Frames(20);
  EXPECT_TRUE(IsOn("God Mode") && IsOn("Fullscreen"));
  EXPECT_TRUE(Lit("Fullscreen"));
  EXPECT_FALSE(Lit("God Mode"));
  EXPECT_EQ(MarkAlpha("Fullscreen"), 1.0f);
  EXPECT_EQ(MarkAlpha("God Mode"), 1.0f);
  EXPECT_EQ(MarkAlpha("Sound FX"), 0.0f);
  EXPECT_TRUE(FacesAlike());

  // Focused (the mouse came and went) and switched twice by accept: lit all along, its mark gone
  // and back.
  Hover("Utility", "God Mode");
  MouseTo(PixelX(0), PixelY(480));
  Rest();
  Tap(SDLK_RETURN);
  EXPECT_FALSE(IsGodModeOn());
  Frames(20);
  EXPECT_TRUE(Lit("God Mode"));
  EXPECT_EQ(MarkAlpha("God Mode"), 0.0f);
  Rest();
  Tap(SDLK_RETURN);
  EXPECT_TRUE(IsGodModeOn());
  Frames(20);
  EXPECT_TRUE(Lit("God Mode"));
  EXPECT_EQ(MarkAlpha("God Mode"), 1.0f);
  EXPECT_TRUE(FacesAlike());

  // Off and focused, it is lit and its box stays empty: the mark always reads as the state.
  Click("Utility", "Sound FX");
  Click("Utility", "Sound FX");
  MouseTo(PixelX(0), PixelY(480));
  Frames(20);
  EXPECT_FALSE(IsOn("Sound FX"));
  Hover("Utility", "Sound FX");
  Frames(20);
  EXPECT_TRUE(Lit("Sound FX"));
  EXPECT_EQ(MarkAlpha("Sound FX"), 0.0f);

  // The menu opened afresh shows each state from its first frame: no mark fading or growing in.
  events->SendEvent(MemoryManager::New<StartUtilityEvent>(BRINDLE_SITE, LevelTransitionChannel, "credits"));
  Frame();
  events->SendEvent(MemoryManager::New<StartUtilityEvent>(BRINDLE_SITE, LevelTransitionChannel, "introlevel"));
  for (int frame = 0; frame < 15; ++frame)
  {
    Frame();
    for (const auto& [toggle, on] : {std::pair<const char*, bool>{"Fullscreen", true}, {"Music", true},
                                     {"Sound FX", false}, {"God Mode", true}})
    {
      EXPECT_EQ(MarkAlpha(toggle), on ? 1.0f : 0.0f) << toggle << " in frame " << frame;
      EXPECT_EQ(ComponentOf<Sprite>("Utility", std::string(toggle) + " Mark")->GetScale(), glm::vec2(1.0f, 1.0f))
          << toggle << " in frame " << frame;
    }
  }
}
