// The main menu worked without the mouse and with it: it opens with START focused and shown, every
// time it opens; keys and the pad's d-pad move the focus to the neighbours the buttons name, at
// most once per half second while held; the mouse moved over a button takes the focus there and
// leaves it when it goes, and resting there leaves the keys their say; accept presses the focused
// button. At ten frames a second every tap and click
// counts.
#include "FlowScene.h"

#include "app/FrameRateController.h"
#include "core/FileUtilities.h"
#include "flow/detectors/ClickDetector.h"
#include "flow/menu/MenuInputDetector.h"
#include "flow/menu/MenuInputManager.h"
#include "gameplay/combat/GodMode.h"
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
  EXPECT_EQ(Focus(), "Start") << "the menu shows where the keys act from the start";
  Tap(SDLK_DOWN);
  EXPECT_EQ(Focus(), "Tutorial") << "the first direction moves from what is shown";
  // Held for a second: the focus moves twice, not every frame.
  Rest();
  Hold(SDLK_DOWN, 60);
  EXPECT_EQ(Focus(), "Credits");
  Rest();
  Tap(SDLK_UP);
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
  // A pointer resting on a button leaves the arrows their say; moved again, it takes the focus.
  Rest();
  Tap(SDLK_UP);
  EXPECT_EQ(Focus(), "How To Play") << "the arrows act while the pointer rests on a button";
  EXPECT_EQ(ComponentOf<Sprite>("Utility", "Credits")->GetFrame(), 0u) << "only the focus is lit";
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

  // Back from the credits, START again has the focus, shown, and the first direction moves from it.
  // The pointer left where TUTORIAL will be lights nothing there.
  MouseTo(PixelX(-240.0f), PixelY(20.0f));
  Frame();
  Tap(SDLK_ESCAPE);
  Frame();
  manager = ComponentOf<MenuInputManager>("Utility", "Menu Input");
  ASSERT_NE(manager, nullptr);
  EXPECT_EQ(Focus(), "Start");
  Frames(30);
  EXPECT_EQ(ComponentOf<Sprite>("Utility", "Tutorial")->GetFrame(), 0u) << "only the focus is lit";
  EXPECT_TRUE(ComponentOf<ClickDetector>("Utility", "Tutorial")->IsHovered()) << "the pointer rests on it";
  Tap(SDLK_UP);
  EXPECT_EQ(Focus(), "Quit");
}

// Walking and firing into a menu (Right and Space held from the game as it opens): the held keys
// neither move its focus nor press a button, however long they stay down; pressed again once let
// go, they work as ever. The mouse button held as a menu opens does not press the button it is
// let go over either. An arrow pressed before a menu has taken the first focus it names leaves the
// focus to that button.
TEST_F(MenuInputManagerTest, KeysAndButtonsHeldAsAMenuOpensDoNothingThere)
{
  Live("Utility")->SetPaused(true);  // as a button opening a menu over it does
  Frame();
  Frame({TestEvents::Key(SDLK_RIGHT, true), TestEvents::Key(SDLK_SPACE, true)});
  session->GetSpace("MenuSpace0", "pause_menu");
  Frames(90);
  auto* pause = ComponentOf<MenuInputManager>("MenuSpace0", "Menu Input");
  ASSERT_NE(pause, nullptr);
  EXPECT_EQ(pause->GetFocus(), "Resume");
  EXPECT_EQ(sound->GetSFXVolume(), 1.0f);
  EXPECT_EQ(StateOf("MenuSpace0"), "pause_menu, running, shown");
  Frame({TestEvents::Key(SDLK_RIGHT, false), TestEvents::Key(SDLK_SPACE, false)});
  Rest();
  Tap(SDLK_RIGHT);
  EXPECT_EQ(pause->GetFocus(), "Fullscreen");

  Hover("MenuSpace0", "Sound FX");
  Frame({TestEvents::MouseButton(SDL_BUTTON_LEFT, true)});
  session->GetSpace("MenuSpace1", "how_to_play");
  Frames(3);
  Hover("MenuSpace1", "Back");
  Frame({TestEvents::MouseButton(SDL_BUTTON_LEFT, false)});
  Frames(3);
  EXPECT_EQ(StateOf("MenuSpace1"), "how_to_play, running, shown") << "Back was not pressed";

  // A menu that names one of its later buttons, the arrow pressed in the frame it is to take it.
  Json::Value level;
  ASSERT_TRUE(ReadJsonFile(level, "Assets/LevelFiles/introlevel.json"));
  for (Json::Value& object : level["level"]["objects"])
    if (object["name"] == "Menu Input")
      object["components"]["MenuInputManager"]["firstFocus"] = "Credits";
  writtenFiles.push_back("Assets/LevelFiles/late_focus.json");
  ASSERT_TRUE(WriteJsonFile(level, writtenFiles.back()));
  Rest();
  session->GetSpace("MenuSpace2", "late_focus");
  Frame();
  Frame({TestEvents::Key(SDLK_DOWN, true)});
  Frame({TestEvents::Key(SDLK_DOWN, false)});
  EXPECT_EQ(ComponentOf<MenuInputManager>("MenuSpace2", "Menu Input")->GetFocus(), "Credits");
}

// Frames of a tenth of a second, each on the loop's longest time step, and taps and clicks that do
// not wait for them: the splash's prompt takes a tap of Space (which then does not press the menu's
// focused START), two arrow taps half a second apart move the focus twice, the pad's as well, and a
// click on GOD MODE made and left within one frame switches it.
TEST_F(MenuInputManagerTest, AtTenFramesASecondEveryTapAndClickCounts)
{
  const float slow = static_cast<float>(FrameRateController(120.0f).GetMaximumStepUs()) / 1e6f;
  const auto tap = [&](SDL_Event down, SDL_Event up) {
    Frame({down, up}, slow);
    Frames(4, slow);  // half a second
  };
  events->SendEvent(MemoryManager::New<StartUtilityEvent>(BRINDLE_SITE, LevelTransitionChannel, "splash"));
  Frames(10, slow);
  ASSERT_EQ(LevelIn("Utility"), "splash");
  tap(TestEvents::Key(SDLK_SPACE, true), TestEvents::Key(SDLK_SPACE, false));
  ASSERT_EQ(StateOf("Utility"), "introlevel, running, shown");
  manager = ComponentOf<MenuInputManager>("Utility", "Menu Input");
  ASSERT_NE(manager, nullptr);
  EXPECT_EQ(Focus(), "Start");

  tap(TestEvents::Key(SDLK_DOWN, true), TestEvents::Key(SDLK_DOWN, false));
  tap(TestEvents::Key(SDLK_DOWN, true), TestEvents::Key(SDLK_DOWN, false));
  EXPECT_EQ(Focus(), "How To Play");
  devices->Attach(7);
  Frame({TestEvents::ControllerAdded(devices->IndexOf(7))}, slow);
  tap(TestEvents::ControllerButton(7, SDL_CONTROLLER_BUTTON_DPAD_RIGHT, true),
      TestEvents::ControllerButton(7, SDL_CONTROLLER_BUTTON_DPAD_RIGHT, false));
  tap(TestEvents::ControllerButton(7, SDL_CONTROLLER_BUTTON_DPAD_UP, true),
      TestEvents::ControllerButton(7, SDL_CONTROLLER_BUTTON_DPAD_UP, false));
  EXPECT_EQ(Focus(), "Music");

  const glm::vec2 at = PositionOf(Find(Live("Utility"), "God Mode"));
  const int x = PixelX(at.x), y = PixelY(at.y);
  Frame({TestEvents::MouseMotion(x, y, 0, 0), TestEvents::MouseButton(SDL_BUTTON_LEFT, true, x, y),
         TestEvents::MouseButton(SDL_BUTTON_LEFT, false, x, y), TestEvents::MouseMotion(0, 0, -x, -y)},
        slow);
  Frames(2, slow);
  EXPECT_TRUE(IsGodModeOn());
  EXPECT_EQ(manager->GetFocus(), "God Mode");
  SetGodMode(false);
}
