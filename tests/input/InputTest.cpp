#include "InputFixture.h"

#include "support/CapturedLog.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

using namespace TestEvents;

namespace
{
constexpr std::int32_t PadA = 100;
constexpr std::int32_t PadB = 200;
constexpr std::int32_t PadC = 300;
}

using InputKeyboardTest = InputFixture;

TEST_F(InputKeyboardTest, PressedTriggeredAndHeldFollowFrames)
{
  Frame({Key(SDLK_SPACE, true)});
  EXPECT_TRUE(input->IsKeyPressed(SDLK_SPACE));
  EXPECT_TRUE(input->IsKeyTriggered(SDLK_SPACE));

  // Repeats while held change nothing: the key stays down and is not triggered again.
  Frame({Key(SDLK_SPACE, true, true)});
  EXPECT_TRUE(input->IsKeyPressed(SDLK_SPACE));
  EXPECT_FALSE(input->IsKeyTriggered(SDLK_SPACE));
  Frame();
  EXPECT_TRUE(input->IsKeyPressed(SDLK_SPACE));

  Frame({Key(SDLK_SPACE, false)});
  EXPECT_FALSE(input->IsKeyPressed(SDLK_SPACE));
  EXPECT_FALSE(input->IsKeyTriggered(SDLK_SPACE));
}

TEST_F(InputKeyboardTest, ATapWithinOneFrameCountsForThatFrame)
{
  Frame({Key('e', true), Key('e', false)});
  EXPECT_TRUE(input->IsKeyPressed('e'));
  EXPECT_TRUE(input->IsKeyTriggered('e'));
  Frame({Key('e', true)});  // tapped again right away: a new press, not a held key
  EXPECT_TRUE(input->IsKeyTriggered('e'));
  Frame({Key('e', false), Key('e', true)});  // let go and pressed again in one frame
  EXPECT_TRUE(input->IsKeyPressed('e'));
  EXPECT_TRUE(input->IsKeyTriggered('e'));
  Frame({Key('e', false)});
  EXPECT_FALSE(input->IsKeyPressed('e'));
}

TEST_F(InputKeyboardTest, LetterKeysAnswerInEitherCase)
{
  Frame({Key('w', true)});
  EXPECT_TRUE(input->IsKeyPressed('W'));
  EXPECT_TRUE(input->IsKeyPressed('w'));
  EXPECT_TRUE(input->IsKeyTriggered('W'));
  EXPECT_FALSE(input->IsKeyPressed('s'));
}

TEST_F(InputKeyboardTest, KeysAreLeftToAnActiveWidgetButForTheReleaseOfAKeyTheGameHolds)
{
  bool widgetActive = false;
  InputEditorHooks hooks;
  hooks.isKeyboardCaptured = [&] { return widgetActive; };
  input->SetEditorHooks(hooks);

  Frame({Key('a', true)});
  widgetActive = true;
  Frame({Key('a', false), Key('b', true)});
  EXPECT_FALSE(input->IsKeyPressed('a')) << "the game heard it go down, so it hears it go up";
  EXPECT_FALSE(input->IsKeyPressed('b'));
}

TEST_F(InputKeyboardTest, ScancodesOutsideTheTableAreIgnored)
{
  SDL_Event event = Key(SDLK_SPACE, true);
  event.key.keysym.scancode = static_cast<SDL_Scancode>(600);
  input->HandleEvent(event);
  EXPECT_FALSE(input->IsKeyPressed(SDLK_SPACE));
}

using InputMouseTest = InputFixture;

TEST_F(InputMouseTest, ButtonsTriggerHoldAndRelease)
{
  Frame({MouseButton(SDL_BUTTON_LEFT, true)});
  EXPECT_TRUE(input->IsMouseButtonPressed(0));
  EXPECT_TRUE(input->IsMouseButtonTriggered(0));
  EXPECT_FALSE(input->IsMouseButtonUp(0));
  EXPECT_TRUE(input->IsMouseButtonUp(2));

  Frame();
  EXPECT_TRUE(input->IsMouseButtonPressed(0));
  EXPECT_FALSE(input->IsMouseButtonTriggered(0));

  Frame({MouseButton(SDL_BUTTON_LEFT, false)});
  EXPECT_TRUE(input->IsMouseButtonReleased(0));
  EXPECT_TRUE(input->IsMouseButtonUp(0));
  Frame();
  EXPECT_FALSE(input->IsMouseButtonReleased(0));

  // A click within one frame: down for that frame, released in the next.
  Frame({MouseButton(SDL_BUTTON_X2, true), MouseButton(SDL_BUTTON_X2, false)});
  EXPECT_TRUE(input->IsMouseButtonPressed(4));
  EXPECT_TRUE(input->IsMouseButtonTriggered(4));
  EXPECT_FALSE(input->IsMouseButtonReleased(4));
  Frame();
  EXPECT_FALSE(input->IsMouseButtonPressed(4));
  EXPECT_TRUE(input->IsMouseButtonReleased(4));
  Frame();
  EXPECT_FALSE(input->IsMouseButtonReleased(4));
}

TEST_F(InputMouseTest, ButtonNumbersWithoutAPlaceAreIgnored)
{
  Frame({MouseButton(0, true), MouseButton(6, true), MouseButton(255, true)});
  for (int button = 0; button < 5; ++button)
    EXPECT_FALSE(input->IsMouseButtonPressed(button)) << button;
  EXPECT_FALSE(input->IsMouseButtonPressed(-1));
  EXPECT_FALSE(input->IsMouseButtonPressed(5));
  EXPECT_FALSE(input->IsMouseButtonUp(5));
}

TEST_F(InputMouseTest, WheelKeepsTheLastEventOfTheFrameOnly)
{
  Frame({Wheel(3), Wheel(-1)});
  EXPECT_EQ(input->GetMouseWheel(), -1);
  Frame();
  EXPECT_EQ(input->GetMouseWheel(), 0);
}

TEST_F(InputMouseTest, MotionStaysWhileTheMouseStandsStill)
{
  Frame({MouseMotion(10, 20, 1, 2), MouseMotion(15, 18, 5, -2)});
  EXPECT_EQ(input->GetMousePosition(), glm::vec2(15.0f, 18.0f));
  EXPECT_EQ(input->GetMouseDelta(), glm::vec2(5.0f, -2.0f));
  Frame();
  EXPECT_EQ(input->GetMousePosition(), glm::vec2(15.0f, 18.0f));
  EXPECT_EQ(input->GetMouseDelta(), glm::vec2(5.0f, -2.0f));
}

TEST_F(InputMouseTest, AnInterfaceWindowUnderTheMouseTakesButtonsAndWheelButNotPosition)
{
  bool overWindow = true;
  InputEditorHooks hooks;
  hooks.isMouseOverInterface = [&] { return overWindow; };
  input->SetEditorHooks(hooks);

  Frame({MouseButton(SDL_BUTTON_RIGHT, true), Wheel(2), MouseMotion(40, 50, 3, 4)});
  EXPECT_FALSE(input->IsMouseButtonPressed(2));
  EXPECT_FALSE(input->IsMouseButtonTriggered(2));
  EXPECT_FALSE(input->IsMouseButtonUp(2));
  EXPECT_EQ(input->GetMouseWheel(), 0);
  EXPECT_EQ(input->GetMousePosition(), glm::vec2(40.0f, 50.0f));
  EXPECT_EQ(input->GetMouseDelta(), glm::vec2(3.0f, 4.0f));

  // The button was recorded all along; it shows once the mouse leaves the window.
  overWindow = false;
  Frame();
  EXPECT_TRUE(input->IsMouseButtonPressed(2));
}

using InputControllerTest = InputFixture;

TEST_F(InputControllerTest, AxesReachBothEndsAndSticksReadUpAsPositive)
{
  PlugController(PadA);
  Frame({ControllerAxis(PadA, SDL_CONTROLLER_AXIS_LEFTX, 32767), ControllerAxis(PadA, SDL_CONTROLLER_AXIS_LEFTY, -32768),
         ControllerAxis(PadA, SDL_CONTROLLER_AXIS_RIGHTX, -32768), ControllerAxis(PadA, SDL_CONTROLLER_AXIS_RIGHTY, 32767),
         ControllerAxis(PadA, SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 16384)});
  EXPECT_EQ(input->GetControllerAxis(0, SDL_CONTROLLER_AXIS_LEFTX), 1.0f);
  EXPECT_EQ(input->GetControllerAxis(0, SDL_CONTROLLER_AXIS_LEFTY), 1.0f);
  EXPECT_EQ(input->GetControllerAxis(0, SDL_CONTROLLER_AXIS_RIGHTX), -1.0f);
  EXPECT_EQ(input->GetControllerAxis(0, SDL_CONTROLLER_AXIS_RIGHTY), -1.0f);
  EXPECT_NEAR(input->GetControllerAxis(0, SDL_CONTROLLER_AXIS_TRIGGERRIGHT), 0.5f, 1e-4f);
  EXPECT_EQ(input->GetPreviousControllerAxis(0, SDL_CONTROLLER_AXIS_LEFTX), 0.0f);

  Frame();
  EXPECT_EQ(input->GetPreviousControllerAxis(0, SDL_CONTROLLER_AXIS_LEFTX), 1.0f);
}

TEST_F(InputControllerTest, ButtonsFollowFramesAndUnknownOnesAreIgnored)
{
  PlugController(PadA);
  Frame({ControllerButton(PadA, SDL_CONTROLLER_BUTTON_A, true), ControllerButton(PadA, 15, true),
         ControllerButton(PadA, 200, true), ControllerAxis(PadA, 6, 1000), ControllerAxis(PadA, 255, 1000)});
  EXPECT_TRUE(input->IsControllerButtonPressed(0, SDL_CONTROLLER_BUTTON_A));
  EXPECT_TRUE(input->IsControllerButtonTriggered(0, SDL_CONTROLLER_BUTTON_A));
  EXPECT_FALSE(input->IsControllerButtonPressed(0, 15));
  EXPECT_EQ(input->GetControllerAxis(0, 6), 0.0f);

  Frame({ControllerButton(PadA, SDL_CONTROLLER_BUTTON_B, true), ControllerButton(PadA, SDL_CONTROLLER_BUTTON_B, false)});
  EXPECT_TRUE(input->IsControllerButtonPressed(0, SDL_CONTROLLER_BUTTON_A));
  EXPECT_FALSE(input->IsControllerButtonTriggered(0, SDL_CONTROLLER_BUTTON_A));
  EXPECT_TRUE(input->IsControllerButtonTriggered(0, SDL_CONTROLLER_BUTTON_B));  // tapped within the frame
  Frame();
  EXPECT_FALSE(input->IsControllerButtonPressed(0, SDL_CONTROLLER_BUTTON_B));
}

TEST_F(InputControllerTest, EventsOfUnknownControllersAndQueriesOutOfRangeChangeNothing)
{
  PlugController(PadA);
  Frame({ControllerButton(PadB, SDL_CONTROLLER_BUTTON_A, true), ControllerAxis(PadB, 0, 32767)});
  for (int slot = 0; slot < Input::ControllerSlotCount; ++slot)
  {
    EXPECT_FALSE(input->IsControllerButtonPressed(slot, SDL_CONTROLLER_BUTTON_A));
    EXPECT_EQ(input->GetControllerAxis(slot, 0), 0.0f);
  }
  EXPECT_FALSE(input->IsControllerButtonPressed(4, 0));
  EXPECT_FALSE(input->IsControllerButtonPressed(-1, 0));
  EXPECT_EQ(input->GetControllerAxis(7, 0), 0.0f);
  EXPECT_EQ(input->GetPreviousControllerAxis(-3, 0), 0.0f);
  EXPECT_FALSE(input->IsControllerButtonTriggered(1, -5));
}

TEST_F(InputControllerTest, ControllersOpenIntoTheSlotOfTheirDeviceIndex)
{
  PlugController(PadA);
  PlugController(PadB);
  EXPECT_TRUE(input->IsControllerOpen(0));
  EXPECT_TRUE(input->IsControllerOpen(1));
  EXPECT_FALSE(input->IsControllerOpen(2));

  Frame({ControllerButton(PadB, SDL_CONTROLLER_BUTTON_Y, true)});
  EXPECT_TRUE(input->IsControllerButtonPressed(1, SDL_CONTROLLER_BUTTON_Y));
  EXPECT_FALSE(input->IsControllerButtonPressed(0, SDL_CONTROLLER_BUTTON_Y));
}

TEST_F(InputControllerTest, UnpluggingClosesTheSlotAndItsDevice)
{
  PlugController(PadA);
  Frame({ControllerButton(PadA, SDL_CONTROLLER_BUTTON_A, true), ControllerAxis(PadA, 0, 32767)});
  UnplugController(PadA);
  EXPECT_FALSE(input->IsControllerOpen(0));
  EXPECT_FALSE(input->IsControllerButtonPressed(0, SDL_CONTROLLER_BUTTON_A));
  EXPECT_EQ(input->GetControllerAxis(0, 0), 0.0f);
  EXPECT_TRUE(devices->open.empty());

  // Back in, it starts from a clean slate.
  PlugController(PadA);
  EXPECT_TRUE(input->IsControllerOpen(0));
  EXPECT_FALSE(input->IsControllerButtonPressed(0, SDL_CONTROLLER_BUTTON_A));
  EXPECT_EQ(input->GetControllerAxis(0, 0), 0.0f);
}

TEST_F(InputControllerTest, ReplugAfterIndexesShiftNeverTakesAnotherControllersSlot)
{
  PlugController(PadA);  // index 0, slot 0
  PlugController(PadB);  // index 1, slot 1
  UnplugController(PadA);  // PadB is now device index 0
  Frame({ControllerButton(PadB, SDL_CONTROLLER_BUTTON_X, true)});

  // PadA comes back at device index 1, whose slot PadB plays from.
  const int index = PlugController(PadA);
  EXPECT_EQ(index, 1);
  EXPECT_TRUE(input->IsControllerOpen(0));
  EXPECT_TRUE(input->IsControllerOpen(1));
  EXPECT_TRUE(input->IsControllerButtonPressed(1, SDL_CONTROLLER_BUTTON_X));  // PadB still in slot 1
  Frame({ControllerButton(PadA, SDL_CONTROLLER_BUTTON_START, true)});
  EXPECT_TRUE(input->IsControllerButtonPressed(0, SDL_CONTROLLER_BUTTON_START));
  EXPECT_FALSE(input->IsControllerButtonPressed(1, SDL_CONTROLLER_BUTTON_START));

  // A second added event for a controller already open does not open it again.
  Frame({ControllerAdded(0)});
  EXPECT_EQ(std::count(devices->calls.begin(), devices->calls.end(), "open 200"), 1);
  EXPECT_EQ(devices->open.size(), 2u);
}

TEST_F(InputControllerTest, AFifthControllerWaitsForAFreeSlot)
{
  for (std::int32_t id : {1, 2, 3, 4})
    PlugController(id);
  {
    CapturedLog output;
    PlugController(PadC);  // device index 4
    EXPECT_TRUE(output.Contains("[WARNING] No free controller slot"));
  }
  EXPECT_EQ(devices->open.size(), 4u);

  // Once a slot is free, a controller at index 4 or beyond may use it.
  UnplugController(2);
  Frame({ControllerAdded(devices->IndexOf(PadC))});
  EXPECT_EQ(devices->IndexOf(PadC), 3);
  Frame({ControllerButton(PadC, SDL_CONTROLLER_BUTTON_A, true)});
  EXPECT_TRUE(input->IsControllerButtonPressed(1, SDL_CONTROLLER_BUTTON_A));
}

TEST_F(InputControllerTest, JoysticksThatAreNotControllersAndMissingRumbleAreReported)
{
  CapturedLog output;
  devices->Attach(PadA, false);
  Frame({ControllerAdded(0)});
  EXPECT_TRUE(output.Contains("[WARNING] Failed to open a joystic because it wasn't a controller\n"));
  EXPECT_FALSE(input->IsControllerOpen(0));

  PlugController(PadB, RumbleSupport::NoHapticDevice);
  PlugController(PadC, RumbleSupport::RumbleRefused);
  EXPECT_TRUE(output.Contains("[WARNING] Failed to open hapic\n"));
  EXPECT_TRUE(output.Contains("[WARNING] Failed to initialize hapic\n"));
  EXPECT_TRUE(input->IsControllerOpen(1));
  EXPECT_TRUE(input->IsControllerOpen(2));

  // An index with nothing behind it at all.
  Frame({ControllerAdded(9)});
  EXPECT_EQ(devices->open.size(), 2u);
}

TEST_F(InputControllerTest, RumbleReachesTheSlotsControllerWithinSafeBounds)
{
  PlugController(PadA);
  PlugController(PadB);
  input->Rumble(1, 0.25f, 0.1f);
  input->Rumble(0, 3.0f, 0.5f);
  input->Rumble(2, 1.0f, 1.0f);  // nothing open there
  input->Rumble(9, 1.0f, 1.0f);
  input->Rumble(0, std::nanf(""), 1.0f);
  input->Rumble(0, 1.0f, -2.0f);
  input->Rumble(0, 1.0f, 1e30f);

  ASSERT_EQ(devices->rumbles.size(), 3u);
  EXPECT_EQ(devices->rumbles[0].instanceId, PadB);
  EXPECT_FLOAT_EQ(devices->rumbles[0].strength, 0.25f);
  EXPECT_EQ(devices->rumbles[0].milliseconds, 100u);
  EXPECT_EQ(devices->rumbles[1].instanceId, PadA);
  EXPECT_EQ(devices->rumbles[1].strength, 1.0f);
  EXPECT_EQ(devices->rumbles[1].milliseconds, 500u);
  EXPECT_EQ(devices->rumbles[2].milliseconds, 3600u * 1000u);
}

using InputWindowTest = InputFixture;

TEST_F(InputWindowTest, CloseRequestsAreReportedForTheirFrame)
{
  Frame({Window(SDL_WINDOWEVENT_CLOSE)});
  EXPECT_TRUE(input->WasCloseRequested());
  Frame();
  EXPECT_FALSE(input->WasCloseRequested());
  Frame({Quit()});
  EXPECT_TRUE(input->WasCloseRequested());
}

TEST_F(InputWindowTest, FocusChangesAreReportedOncePerChange)
{
  EXPECT_TRUE(input->HasFocus());
  Frame({Window(SDL_WINDOWEVENT_FOCUS_LOST)});
  EXPECT_TRUE(input->WasFocusLost());
  EXPECT_FALSE(input->WasFocusGained());
  EXPECT_FALSE(input->HasFocus());

  Frame({Window(SDL_WINDOWEVENT_FOCUS_LOST)});
  EXPECT_FALSE(input->WasFocusLost());

  Frame({Window(SDL_WINDOWEVENT_FOCUS_GAINED)});
  EXPECT_TRUE(input->WasFocusGained());
  EXPECT_TRUE(input->HasFocus());

  // Lost and back within one frame: nothing to pause.
  Frame({Window(SDL_WINDOWEVENT_FOCUS_LOST), Window(SDL_WINDOWEVENT_FOCUS_GAINED)});
  EXPECT_FALSE(input->WasFocusLost());
  EXPECT_FALSE(input->WasFocusGained());
}

TEST_F(InputWindowTest, EditorSeesEveryEventFirstAndGetsDroppedFiles)
{
  std::vector<Uint32> observed;
  std::vector<std::string> dropped;
  bool keyAlreadyRecorded = true;
  InputEditorHooks hooks;
  hooks.observeEvent = [&](const SDL_Event& event) {
    observed.push_back(event.type);
    if (event.type == SDL_KEYDOWN)
      keyAlreadyRecorded = input->IsKeyPressed('k');
  };
  hooks.onFileDropped = [&](const std::string& path) { dropped.push_back(path); };
  input->SetEditorHooks(hooks);

  Frame({Key('k', true), DropFile("Assets/Prefabs/Crate.prefab"), Wheel(1)});
  EXPECT_EQ(observed, (std::vector<Uint32>{SDL_KEYDOWN, SDL_DROPFILE, SDL_MOUSEWHEEL}));
  EXPECT_FALSE(keyAlreadyRecorded);
  EXPECT_EQ(dropped, std::vector<std::string>{"Assets/Prefabs/Crate.prefab"});
}

TEST(InputLifeTest, ShutdownClosesControllersBeforeTheDevicesGoAndTwiceIsHarmless)
{
  auto devices = std::make_shared<FakeDeviceLog>();
  SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
  EXPECT_EQ(Input::Instance(), nullptr);
  Input::Init(std::make_unique<FakeInputDevices>(devices));
  Input* first = Input::Instance();
  Input::Init(std::make_unique<FakeInputDevices>(std::make_shared<FakeDeviceLog>()));
  EXPECT_EQ(Input::Instance(), first);

  devices->Attach(PadA);
  devices->Attach(PadB);
  TestEvents::Push(TestEvents::ControllerAdded(0));
  TestEvents::Push(TestEvents::ControllerAdded(1));
  first->Update();

  Input::Shutdown();
  EXPECT_EQ(Input::Instance(), nullptr);
  EXPECT_EQ(devices->calls, (std::vector<std::string>{"open 100", "open 200", "close 100", "close 200", "destroyed"}));
  Input::Shutdown();
  EXPECT_EQ(Input::Instance(), nullptr);
}
