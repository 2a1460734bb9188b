// A quick tap on the game's frame loop: a key or button pressed and let go between two frames (an
// xdotool tap, a long frame on a loaded machine) reaches every reader of that frame, from the raw
// keys to the actions and a key detector, and is released in the next.
#include "flow/FlowScene.h"

#include "input/DetectorEvents.h"

#include <vector>

using QuickTapTest = FlowScene;

TEST_F(QuickTapTest, APressAndReleaseBetweenTwoFramesIsSeenForOneFrame)
{
  Json::Value watcher;
  Json::Reader().parse(R"({"Transform": null, "KeyDetector": {"Key": 71}})", watcher);  // 'G'
  session->GetFactory().DefinePrefab("TapWatcher", watcher, "test");
  Space* space = session->GetSpace("Test", "blank");
  Handle<GameObject> made;
  session->GetFactory().CreateGameObject(made, "TapWatcher", space, "TapWatcher");
  EventLog detector;
  detector.Watch<DetectorTriggerBeginEvent>(made->GetId(), "Begin");
  detector.Watch<DetectorTriggerEndEvent>(made->GetId(), "End");
  Rest();  // the menu actions rest after start-up
  devices->Attach(7, true, RumbleSupport::Ready);
  Frame({TestEvents::ControllerAdded(devices->IndexOf(7))});

  Input* input = Input::Instance();
  InputActionMap* actions = InputActionMap::Instance();
  Frame({TestEvents::Key(SDLK_g, true), TestEvents::Key(SDLK_f, true), TestEvents::Key(SDLK_RETURN, true),
         TestEvents::MouseButton(SDL_BUTTON_LEFT, true), TestEvents::ControllerButton(7, SDL_CONTROLLER_BUTTON_START, true),
         TestEvents::Key(SDLK_g, false), TestEvents::Key(SDLK_f, false), TestEvents::Key(SDLK_RETURN, false),
         TestEvents::MouseButton(SDL_BUTTON_LEFT, false),
         TestEvents::ControllerButton(7, SDL_CONTROLLER_BUTTON_START, false)});
  EXPECT_TRUE(input->IsKeyPressed('g') && input->IsKeyTriggered('g'));
  EXPECT_TRUE(actions->IsActionActive(0, ACTION_INTERACT));     // a triggered binding
  EXPECT_TRUE(actions->IsActionActive(0, ACTION_MENU_SELECT));  // a held one
  EXPECT_TRUE(actions->IsActionActive(0, ACTION_USE_SLOT_1));   // the mouse
  EXPECT_TRUE(actions->IsActionActive(0, ACTION_PAUSE));        // the pad
  EXPECT_EQ(detector.lines, std::vector<std::string>{"Begin"});

  Frame();
  EXPECT_FALSE(input->IsKeyPressed('g') || input->IsKeyTriggered('g'));
  EXPECT_TRUE(input->IsMouseButtonReleased(0));
  for (int action : {ACTION_INTERACT, ACTION_MENU_SELECT, ACTION_USE_SLOT_1, ACTION_PAUSE})
    EXPECT_FALSE(actions->IsActionActive(0, action)) << action;
  EXPECT_EQ(detector.lines, (std::vector<std::string>{"Begin", "End"}));

  // Held across frames nothing changes: triggered once, pressed until let go.
  Frame({TestEvents::Key(SDLK_f, true)});
  EXPECT_TRUE(actions->IsActionActive(0, ACTION_INTERACT));
  Frame({TestEvents::Key(SDLK_f, true, true)});
  EXPECT_TRUE(input->IsKeyPressed('f'));
  EXPECT_FALSE(actions->IsActionActive(0, ACTION_INTERACT));
  Frame({TestEvents::Key(SDLK_f, false)});
  EXPECT_FALSE(input->IsKeyPressed('f') || input->IsKeyTriggered('f'));
}
