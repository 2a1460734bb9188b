// The main menu worked without the mouse and with it: nothing has the focus until a direction is
// pressed, which focuses the first button; keys and the pad's d-pad move the focus to the
// neighbours the buttons name, at most once per half second while held; the mouse over a button
// takes the focus there and leaves it when it goes; accept presses the focused button.
#include "FlowScene.h"

#include "flow/menu/MenuInputDetector.h"
#include "flow/menu/MenuInputManager.h"
#include "render/Sprite.h"

class MenuInputManagerTest : public FlowScene
{
protected:
  void SetUp() override
  {
    SKIP_WITHOUT_GL();
    StartAtMainMenu();
    manager = ComponentOf<MenuInputManager>("Utility", "Menu Input");
    ASSERT_NE(manager, nullptr);
  }

  // The focused button, and whether it shows so: its detector hovered and, on a button, its face
  // lit (an on/off button shows focus by its own animator).
  std::string Focus()
  {
    const std::string focus = manager->GetFocus();
    if (focus == "Default")
      return focus;
    const auto* detector = ComponentOf<MenuInputDetector>("Utility", focus);
    const auto* face = ComponentOf<Sprite>("Utility", focus);
    const bool lit = face != nullptr && (face->GetFrame() == 1 || face->GetFrameCount() == 1);
    return detector != nullptr && detector->IsHovered() && lit ? focus : focus + " (not shown)";
  }

  // A key held for `frames` frames.
  void Hold(SDL_Keycode key, int frames)
  {
    Frame({TestEvents::Key(key, true)});
    Frames(frames - 1);
    Frame({TestEvents::Key(key, false)});
    Frame();
  }

  MenuInputManager* manager = nullptr;
};

TEST_F(MenuInputManagerTest, KeysThePadAndTheMouseMoveTheFocusAndAcceptPressesTheFocusedButton)
{
  EXPECT_EQ(Focus(), "Default");
  Tap(SDLK_RETURN);
  EXPECT_EQ(StateOf("Utility"), "introlevel, running, shown") << "accept with nothing focused does nothing";

  Rest();
  Tap(SDLK_DOWN);
  EXPECT_EQ(Focus(), "Start") << "any direction first focuses the first button";
  // Held for a second: the focus moves twice, not every frame.
  Rest();
  Hold(SDLK_DOWN, 60);
  EXPECT_EQ(Focus(), "How To Play");
  Rest();
  Tap(SDLK_RIGHT);
  EXPECT_EQ(Focus(), "Sound FX");
  EXPECT_FALSE(ComponentOf<MenuInputDetector>("Utility", "How To Play")->IsHovered());
  EXPECT_EQ(ComponentOf<Sprite>("Utility", "How To Play")->GetFrame(), 0u);

  // The pad's d-pad does the same.
  devices->Attach(7);
  Frame({TestEvents::ControllerAdded(devices->IndexOf(7))});
  Rest();
  Frame({TestEvents::ControllerButton(7, SDL_CONTROLLER_BUTTON_DPAD_UP, true)});
  Frame({TestEvents::ControllerButton(7, SDL_CONTROLLER_BUTTON_DPAD_UP, false)});
  Frame();
  EXPECT_EQ(Focus(), "Music");

  // The mouse takes the focus where it goes; it stays there when the mouse leaves.
  Hover("Utility", "Credits");
  Frame();
  EXPECT_EQ(Focus(), "Credits");
  MouseTo(PixelX(0.0f), PixelY(480.0f));
  Frames(3);
  EXPECT_EQ(Focus(), "Credits") << "still lit: the keys would press it";

  // Accept presses the focused button.
  Rest();
  Tap(SDLK_RETURN);
  Frame();
  EXPECT_EQ(StateOf("Utility"), "credits, running, shown");
}

// Walking and firing into a menu (Right and Space held from the game as it opens): the held keys
// neither move its focus nor press a button, however long they stay down; pressed again once let
// go, they work as ever. The mouse button held as a menu opens does not press the button it is
// let go over either.
TEST_F(MenuInputManagerTest, KeysAndButtonsHeldAsAMenuOpensDoNothingThere)
{
  Live("Utility")->SetPaused(true);  // as a button opening a menu over it does
  Frame();
  Frame({TestEvents::Key(SDLK_RIGHT, true), TestEvents::Key(SDLK_SPACE, true)});
  session->GetSpace("MenuSpace0", "pause_menu");
  Frames(90);
  auto* pause = ComponentOf<MenuInputManager>("MenuSpace0", "Menu Input");
  ASSERT_NE(pause, nullptr);
  EXPECT_EQ(pause->GetFocus(), "Default");
  EXPECT_EQ(sound->GetSFXVolume(), 1.0f);
  EXPECT_EQ(StateOf("MenuSpace0"), "pause_menu, running, shown");
  Frame({TestEvents::Key(SDLK_RIGHT, false), TestEvents::Key(SDLK_SPACE, false)});
  Rest();
  Tap(SDLK_RIGHT);
  EXPECT_NE(pause->GetFocus(), "Default");

  Hover("MenuSpace0", "Sound FX");
  Frame({TestEvents::MouseButton(SDL_BUTTON_LEFT, true)});
  session->GetSpace("MenuSpace1", "how_to_play");
  Frames(3);
  Hover("MenuSpace1", "Back");
  Frame({TestEvents::MouseButton(SDL_BUTTON_LEFT, false)});
  Frames(3);
  EXPECT_EQ(StateOf("MenuSpace1"), "how_to_play, running, shown") << "Back was not pressed";
}
