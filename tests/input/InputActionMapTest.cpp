#include "InputFixture.h"

#include "input/InputActionMap.h"

#include <cmath>

using namespace TestEvents;

namespace
{
constexpr std::int32_t PadA = 100;
constexpr std::int32_t PadB = 200;
// Exact in binary, so cooldowns accumulate without rounding.
constexpr float FrameTime = 0.125f;

// Raw SDL values for a wanted reading; Y axes read up as positive, so their raw value is turned.
Sint16 RawX(float value)
{
  return static_cast<Sint16>(std::lround(value * 32767.0f));
}
Sint16 RawY(float value)
{
  return static_cast<Sint16>(std::lround(-value * 32767.0f));
}
}

class InputActionMapTest : public InputFixture
{
protected:
  void SetUp() override
  {
    InputFixture::SetUp();
    map = InputActionMap::Instance();
    ASSERT_NE(map, nullptr);
    PlugController(PadA);
    PlugController(PadB);
  }

  // One game frame: the input pump, then the map's step, as both loops run them.
  void Step(std::initializer_list<SDL_Event> events = {}, float dt = FrameTime)
  {
    Frame(events);
    map->Update(dt);
  }

  // Runs frames until the start-up cooldowns have passed.
  void SettleCooldowns()
  {
    for (int frame = 0; frame < 4; ++frame)
      Step();
  }

  void ExpectAxis(int player, int axis, glm::vec2 expected, const char* what)
  {
    const glm::vec2 value = map->GetAxis(player, axis);
    EXPECT_NEAR(value.x, expected.x, 1e-4f) << what;
    EXPECT_NEAR(value.y, expected.y, 1e-4f) << what;
  }

  InputActionMap* map = nullptr;
};

TEST_F(InputActionMapTest, AHeldMenuActionStepsOncePerCooldownAndEveryNewPressCounts)
{
  // Held from start-up: the press steps at once, then one step every 0.5 s (four frames of 0.125 s).
  std::vector<bool> answers;
  Step({Key(SDLK_DOWN, true)});
  answers.push_back(map->IsActionActive(0, ACTION_MENU_DOWN));
  for (int frame = 0; frame < 8; ++frame)
  {
    Step();
    answers.push_back(map->IsActionActive(0, ACTION_MENU_DOWN));
  }
  EXPECT_EQ(answers, (std::vector<bool>{true, false, false, false, true, false, false, false, true}));

  // Pressed anew within the cooldown, by a key (also one let go before the frame read it), the pad
  // or a key of another binding: each press steps; a stick pushed in is paced as ever.
  Step({Key(SDLK_DOWN, false)});
  EXPECT_FALSE(map->IsActionActive(0, ACTION_MENU_DOWN));
  Step({Key(SDLK_DOWN, true), Key(SDLK_DOWN, false)});
  EXPECT_TRUE(map->IsActionActive(0, ACTION_MENU_DOWN));
  Step({ControllerButton(PadA, SDL_CONTROLLER_BUTTON_DPAD_DOWN, true)});
  EXPECT_TRUE(map->IsActionActive(0, ACTION_MENU_DOWN));
  Step({Key('s', true)});
  EXPECT_TRUE(map->IsActionActive(0, ACTION_MENU_DOWN));
  Step({ControllerButton(PadA, SDL_CONTROLLER_BUTTON_DPAD_DOWN, false), Key('s', false),
        ControllerAxis(PadA, SDL_CONTROLLER_AXIS_LEFTY, RawY(-1.0f))});
  EXPECT_FALSE(map->IsActionActive(0, ACTION_MENU_DOWN));
}

TEST_F(InputActionMapTest, AllQueriesOfAFrameAgree)
{
  SettleCooldowns();
  Step({Key(SDLK_RETURN, true)});
  EXPECT_TRUE(map->IsActionActive(0, ACTION_MENU_SELECT));
  EXPECT_TRUE(map->IsActionActive(0, ACTION_MENU_SELECT));
  Step();
  EXPECT_FALSE(map->IsActionActive(0, ACTION_MENU_SELECT));
}

TEST_F(InputActionMapTest, ABrokenTimeStepNeitherFreezesNorRewindsCooldowns)
{
  Step({Key(SDLK_UP, true)}, std::nanf(""));
  Step({}, -5.0f);
  EXPECT_FALSE(map->IsActionActive(0, ACTION_MENU_UP));
  Step({}, 0.5f);
  EXPECT_TRUE(map->IsActionActive(0, ACTION_MENU_UP));
}

TEST_F(InputActionMapTest, OneKeyAnswersEveryActionItIsBoundTo)
{
  SettleCooldowns();
  Step({Key(SDLK_SPACE, true)});
  EXPECT_TRUE(map->IsActionActive(0, ACTION_USE_SLOT_0));
  EXPECT_TRUE(map->IsActionActive(0, ACTION_USE_SLOT_1));
  EXPECT_TRUE(map->IsActionActive(0, ACTION_MENU_SELECT));
  EXPECT_TRUE(map->IsActionActive(0, ACTION_ANY_KEYBOARD_MOUSE));
  EXPECT_FALSE(map->IsActionActive(0, ACTION_USE_SLOT_2));
  EXPECT_FALSE(map->IsActionActive(0, ACTION_ANY_CONTROLLER));
}

TEST_F(InputActionMapTest, TriggeredBindingsAnswerOnlyInTheirFirstFrame)
{
  Step({Key('q', true), ControllerButton(PadA, SDL_CONTROLLER_BUTTON_Y, true)});
  EXPECT_TRUE(map->IsActionActive(0, ACTION_EQUIP_SLOT_1));
  EXPECT_TRUE(map->IsActionActive(0, ACTION_EQUIP_SLOT_2));
  Step();
  EXPECT_FALSE(map->IsActionActive(0, ACTION_EQUIP_SLOT_1));
  EXPECT_FALSE(map->IsActionActive(0, ACTION_EQUIP_SLOT_2));
  EXPECT_TRUE(input->IsKeyPressed('q'));
}

TEST_F(InputActionMapTest, MouseBindingsGiveWayToTheInterfaceButKeysDoNot)
{
  bool overWindow = false;
  InputEditorHooks hooks;
  hooks.isMouseOverInterface = [&] { return overWindow; };
  input->SetEditorHooks(hooks);

  Step({MouseButton(SDL_BUTTON_RIGHT, true), MouseButton(SDL_BUTTON_LEFT, true)});
  EXPECT_TRUE(map->IsActionActive(0, ACTION_USE_SLOT_0));
  EXPECT_TRUE(map->IsActionActive(0, ACTION_USE_SLOT_1));

  overWindow = true;
  Step();
  EXPECT_FALSE(map->IsActionActive(0, ACTION_USE_SLOT_0));
  EXPECT_FALSE(map->IsActionActive(0, ACTION_USE_SLOT_1));
  Step({Key('o', true), ControllerAxis(PadA, SDL_CONTROLLER_AXIS_TRIGGERLEFT, 32767)});
  EXPECT_TRUE(map->IsActionActive(0, ACTION_USE_SLOT_0));
  EXPECT_TRUE(map->IsActionActive(0, ACTION_USE_SLOT_1));
}

TEST_F(InputActionMapTest, TriggerRangesIncludeTheirThreshold)
{
  Step({ControllerAxis(PadA, SDL_CONTROLLER_AXIS_TRIGGERRIGHT, RawX(0.8f))});
  EXPECT_FALSE(map->IsActionActive(0, ACTION_USE_SLOT_0));
  Step({ControllerAxis(PadA, SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 27851)});  // just below 0.85
  EXPECT_FALSE(map->IsActionActive(0, ACTION_USE_SLOT_0));
  Step({ControllerAxis(PadA, SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 27852)});
  EXPECT_TRUE(map->IsActionActive(0, ACTION_USE_SLOT_0));
  // The second controller plays for nobody in the actions.
  Step({ControllerAxis(PadA, SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 0), ControllerAxis(PadB, SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 32767)});
  EXPECT_FALSE(map->IsActionActive(0, ACTION_USE_SLOT_0));
}

TEST_F(InputActionMapTest, StickDirectionsDriveTheMenu)
{
  SettleCooldowns();
  Step({ControllerAxis(PadA, SDL_CONTROLLER_AXIS_LEFTY, RawY(-1.0f)), ControllerAxis(PadA, SDL_CONTROLLER_AXIS_RIGHTX, RawX(0.9f))});
  EXPECT_TRUE(map->IsActionActive(0, ACTION_MENU_DOWN));
  EXPECT_TRUE(map->IsActionActive(0, ACTION_MENU_RIGHT));
  EXPECT_FALSE(map->IsActionActive(0, ACTION_MENU_UP));
  EXPECT_FALSE(map->IsActionActive(0, ACTION_MENU_LEFT));
}

TEST_F(InputActionMapTest, TriggeredAxisBindingsAnswerWhenTheRangeIsEntered)
{
  const InputBinding binding = InputBinding::ControllerAxis(0, SDL_CONTROLLER_AXIS_LEFTX, 0.5f, 1.0f, true);
  Frame({ControllerAxis(PadA, SDL_CONTROLLER_AXIS_LEFTX, RawX(0.7f))});
  EXPECT_TRUE(binding.IsSatisfied(*input));
  Frame({ControllerAxis(PadA, SDL_CONTROLLER_AXIS_LEFTX, RawX(0.9f))});
  EXPECT_FALSE(binding.IsSatisfied(*input));  // still inside
  Frame({ControllerAxis(PadA, SDL_CONTROLLER_AXIS_LEFTX, RawX(0.2f))});
  EXPECT_FALSE(binding.IsSatisfied(*input));
  Frame({ControllerAxis(PadA, SDL_CONTROLLER_AXIS_LEFTX, RawX(1.0f))});
  EXPECT_TRUE(binding.IsSatisfied(*input));
}

TEST_F(InputActionMapTest, KeysAndSticksAddUpBeforeTheLengthLimit)
{
  Step({Key('w', true), ControllerAxis(PadA, SDL_CONTROLLER_AXIS_LEFTY, RawY(0.5f))});
  ExpectAxis(0, AXIS_MOVE, {0.0f, 1.0f}, "W with the stick half up");
  Step({Key('d', true)});
  const float length = std::sqrt(1.0f + 1.5f * 1.5f);
  ExpectAxis(0, AXIS_MOVE, {1.0f / length, 1.5f / length}, "(1, 1.5) scaled to length 1");
  ExpectAxis(0, AXIS_EDITOR_PAN, {std::sqrt(0.5f), std::sqrt(0.5f)}, "W and D");
}

TEST_F(InputActionMapTest, TheDeadZoneWorksOnTheSummedVector)
{
  Step({ControllerAxis(PadA, SDL_CONTROLLER_AXIS_LEFTX, RawX(0.2f)), ControllerAxis(PadA, SDL_CONTROLLER_AXIS_LEFTY, RawY(0.2f))});
  ExpectAxis(0, AXIS_MOVE, {0.0f, 0.0f}, "length 0.28");
  Step({ControllerAxis(PadA, SDL_CONTROLLER_AXIS_LEFTX, RawX(0.25f)), ControllerAxis(PadA, SDL_CONTROLLER_AXIS_LEFTY, RawY(0.25f))});
  ExpectAxis(0, AXIS_MOVE, {0.25f, 0.25f}, "length 0.35 reads raw");
  EXPECT_EQ(map->GetDeadZone(), 0.3f);

  // Two small pushes on different sticks sum past the dead zone on AXIS_STICKS.
  Step({ControllerAxis(PadA, SDL_CONTROLLER_AXIS_LEFTX, RawX(0.2f)), ControllerAxis(PadA, SDL_CONTROLLER_AXIS_LEFTY, 0),
        ControllerAxis(PadA, SDL_CONTROLLER_AXIS_RIGHTX, RawX(0.2f))});
  ExpectAxis(0, AXIS_STICKS, {0.4f, 0.0f}, "0.2 + 0.2");
  ExpectAxis(0, AXIS_MOVE, {0.0f, 0.0f}, "0.2 alone");
}

TEST_F(InputActionMapTest, TheDpadCountsTwiceForAnyDirection)
{
  // Right on the d-pad (twice +1) against J (-1) still points right.
  Step({ControllerButton(PadA, SDL_CONTROLLER_BUTTON_DPAD_RIGHT, true), Key('j', true)});
  ExpectAxis(0, AXIS_ANY_DIRECTION, {1.0f, 0.0f}, "2 - 1");
  ExpectAxis(0, AXIS_MOVE, {0.0f, 0.0f}, "the d-pad does not move");
}

TEST_F(InputActionMapTest, TheSecondPlayerHasMoveAndAimOnly)
{
  SettleCooldowns();
  Step({Key(SDLK_LEFT, true), ControllerAxis(PadB, SDL_CONTROLLER_AXIS_RIGHTY, RawY(1.0f)),
        ControllerButton(PadB, SDL_CONTROLLER_BUTTON_A, true), Key(SDLK_SPACE, true)});
  ExpectAxis(1, AXIS_MOVE, {-1.0f, 0.0f}, "arrow keys");
  ExpectAxis(1, AXIS_AIM, {0.0f, 1.0f}, "second controller's right stick");
  ExpectAxis(1, AXIS_ANY_DIRECTION, {0.0f, 0.0f}, "no bindings");
  ExpectAxis(0, AXIS_AIM, {-1.0f, 0.0f}, "the first player aims with the arrows too");
  for (int action = 0; action < ACTION_COUNT; ++action)
    EXPECT_FALSE(map->IsActionActive(1, action)) << action;
}

TEST_F(InputActionMapTest, NumbersOutOfRangeAnswerNothing)
{
  Step({Key(SDLK_SPACE, true), Key('w', true)});
  EXPECT_FALSE(map->IsActionActive(2, ACTION_USE_SLOT_0));
  EXPECT_FALSE(map->IsActionActive(-1, ACTION_USE_SLOT_0));
  EXPECT_FALSE(map->IsActionActive(0, ACTION_COUNT));
  EXPECT_FALSE(map->IsActionActive(0, -1));
  ExpectAxis(0, AXIS_COUNT, {0.0f, 0.0f}, "axis past the end");
  ExpectAxis(5, AXIS_MOVE, {0.0f, 0.0f}, "player past the end");
}

TEST_F(InputActionMapTest, InputModeFollowsTheDeviceInUse)
{
  Step();
  EXPECT_EQ(map->GetInputMode(0), INPUT_MODE_NO_NEW_INPUT);

  Step({MouseMotion(100, 100, 11, 0)});
  EXPECT_EQ(map->GetInputMode(0), INPUT_MODE_KEYBOARD_MOUSE);
  Step({MouseMotion(100, 100, -50, -50)});  // only rightward or downward motion counts
  EXPECT_EQ(map->GetInputMode(0), INPUT_MODE_NO_NEW_INPUT);

  Step({Key('a', true)});
  EXPECT_EQ(map->GetInputMode(0), INPUT_MODE_KEYBOARD_MOUSE);

  // A held controller button wins even while the keyboard and mouse are busy.
  Step({ControllerButton(PadA, SDL_CONTROLLER_BUTTON_X, true), MouseMotion(200, 200, 30, 30)});
  EXPECT_EQ(map->GetInputMode(0), INPUT_MODE_CONTROLLER);

  Step({ControllerButton(PadA, SDL_CONTROLLER_BUTTON_X, false), Key('a', false),
        ControllerAxis(PadA, SDL_CONTROLLER_AXIS_LEFTX, RawX(-0.5f))});
  EXPECT_EQ(map->GetInputMode(0), INPUT_MODE_CONTROLLER);
}

TEST(InputActionMapLifeTest, WithoutInputEverythingIsQuietAndShutdownIsSafeTwice)
{
  ASSERT_EQ(Input::Instance(), nullptr);
  EXPECT_EQ(InputActionMap::Instance(), nullptr);
  InputActionMap::InitDefaultBindings();  // nothing published yet: nothing happens
  InputActionMap::Init();
  InputActionMap::InitDefaultBindings();
  InputActionMap* map = InputActionMap::Instance();
  ASSERT_NE(map, nullptr);
  map->Update(1.0f);
  EXPECT_FALSE(map->IsActionActive(0, ACTION_USE_SLOT_0));
  EXPECT_EQ(map->GetAxis(0, AXIS_MOVE), glm::vec2(0.0f, 0.0f));
  EXPECT_EQ(map->GetInputMode(0), INPUT_MODE_NO_NEW_INPUT);
  InputActionMap::Shutdown();
  EXPECT_EQ(InputActionMap::Instance(), nullptr);
  InputActionMap::Shutdown();
  EXPECT_EQ(InputActionMap::Instance(), nullptr);
}
