#include "InputTestSupport.h"

#include "input/Input.h"
#include "input/SdlInputDevices.h"

#include "support/CapturedLog.h"

#include <gtest/gtest.h>

// Runs on SDL itself, with no controller attached: the subsystems must come and go in pairs, and
// every question about a device that is not there must have a harmless answer.
TEST(SdlInputDevicesTest, SubsystemsStartAndStopInPairsAndMissingDevicesAreHarmless)
{
  const Uint32 controllerBefore = SDL_WasInit(SDL_INIT_GAMECONTROLLER);
  {
    SdlInputDevices devices;
    EXPECT_NE(SDL_WasInit(SDL_INIT_GAMECONTROLLER), 0u);
    EXPECT_NE(SDL_WasInit(SDL_INIT_EVENTS), 0u);
    EXPECT_EQ(SDL_GetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS), std::string("1"));

    const int missing = SDL_NumJoysticks() + 3;
    EXPECT_FALSE(devices.IsGameController(missing));
    EXPECT_EQ(devices.GetInstanceId(missing), -1);
    CapturedLog output;
    EXPECT_FALSE(devices.Open(missing).opened);
    EXPECT_TRUE(output.Contains("[WARNING] Failed to open controller"));
    devices.Close(12345);
    devices.Rumble(12345, 1.0f, 100);
  }
  EXPECT_EQ(SDL_WasInit(SDL_INIT_GAMECONTROLLER), controllerBefore);
  // The test environment's own hold on the event queue is untouched.
  EXPECT_NE(SDL_WasInit(SDL_INIT_EVENTS), 0u);
}

TEST(SdlInputDevicesTest, TheGameInputRunsOnSdlAndIgnoresADeviceThatIsNotThere)
{
  SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
  Input::Init();
  Input* input = Input::Instance();
  ASSERT_NE(input, nullptr);
  input->Update();  // whatever SDL reports of this machine's devices

  CapturedLog output;
  TestEvents::Push(TestEvents::ControllerAdded(SDL_NumJoysticks() + 2));
  TestEvents::Push(TestEvents::Key(SDLK_RETURN, true));
  input->Update();
  EXPECT_TRUE(output.Contains("[WARNING] Failed to open a joystic because it wasn't a controller\n"));
  EXPECT_TRUE(input->IsKeyTriggered(SDLK_RETURN));
  Input::Shutdown();
  EXPECT_EQ(Input::Instance(), nullptr);
}
