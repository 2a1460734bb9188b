#include "InputTestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace
{
class SdlEventsEnvironment : public ::testing::Environment
{
public:
  void SetUp() override
  {
    // The dummy video driver gives SDL its keyboard map without a display.
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS), 0) << SDL_GetError();
  }
  void TearDown() override { SDL_Quit(); }
};

::testing::Environment* const sdlEnvironment = ::testing::AddGlobalTestEnvironment(new SdlEventsEnvironment);
}
