#include "render/Window.h"

#include "render/Graphics.h"
#include "support/HeadlessGl.h"

#include <gtest/gtest.h>

#include <cstdlib>

TEST(WindowTest, TheWindowedSizeIsFourFifthsOfTheScreenTruncated)
{
  EXPECT_EQ(Window::WindowedSize(1920), 1536u);
  EXPECT_EQ(Window::WindowedSize(1080), 864u);
  EXPECT_EQ(Window::WindowedSize(1366), 1092u);
}

TEST(WindowTest, FullScreenFillsTheScreenAndWindowedTakesFourFifths)
{
  SKIP_WITHOUT_GL();
  {
    Window window;
    std::string error;
    ASSERT_TRUE(window.Open(true, error)) << error;
    EXPECT_EQ(window.GetWidth(), window.GetScreenWidth());
    EXPECT_EQ(window.GetHeight(), window.GetScreenHeight());
    EXPECT_TRUE(window.IsFullscreen());
    EXPECT_STREQ(SDL_GetWindowTitle(window.GetWindow()), "Corvane");
    EXPECT_EQ(Window::Current(), &window);

    window.SetWindowed();
    EXPECT_FALSE(window.IsFullscreen());
    EXPECT_EQ(window.GetWidth(), Window::WindowedSize(window.GetScreenWidth()));
    window.SetFullscreen();
    EXPECT_TRUE(window.IsFullscreen());
  }
  {
    Window window;
    std::string error;
    ASSERT_TRUE(window.Open(false, error)) << error;
    EXPECT_EQ(window.GetHeight(), Window::WindowedSize(window.GetScreenHeight()));
    EXPECT_FALSE(window.IsFullscreen());
    int x = 0;
    int y = 0;
    SDL_GetWindowPosition(window.GetWindow(), &x, &y);
    EXPECT_EQ(x, 20);
    EXPECT_EQ(y, 20);
  }
  EXPECT_EQ(Window::Current(), nullptr);
  EXPECT_NE(HeadlessGl::Get(), nullptr);
}

TEST(WindowDeathTest, AWindowThatCannotBeMadeIsReportedAndEndsTheProgram)
{
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        setenv("SDL_VIDEODRIVER", "no_such_video_driver", 1);
        Graphics::Graphics graphics;
        graphics.CreateWindow(false);
      },
      ::testing::ExitedWithCode(EXIT_FAILURE), "\\[ERROR\\] SDL could not start its video subsystem");
}
