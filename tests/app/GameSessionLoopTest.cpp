// The whole session in this process, on the test display: start-up in order, a few frames of the
// real game loop, and shutdown. Checks what only the running loop shows: the frame's profiler
// scopes, the back-quote toggle saving the settings, and the first level's space.
#include "app/GameSession.h"

#include "app/Profiler.h"
#include "core/FileUtilities.h"
#include "core/MemoryManager.h"
#include "object/Space.h"
#include "support/CapturedOutput.h"
#include "support/TemporaryDirectory.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace
{
std::vector<std::string> Names(const std::vector<std::unique_ptr<ProfilerNode>>& nodes)
{
  std::vector<std::string> names;
  for (const auto& node : nodes)
    names.push_back(node->name);
  return names;
}

// Watches the spaces the loop makes, from inside the frame (the loop unloads them at its end).
struct SpaceWatch
{
  std::vector<std::string> names;
  std::string level;
};
}  // namespace

class GameSessionLoopTest : public ::testing::Test
{
protected:
  void SetUp() override
  {
    if (std::getenv("DISPLAY") == nullptr)
      GTEST_SKIP() << "no display to open the game's window on";
    settings.Write("GameSettings", R"({"firstLevel": "testlevel", "lighting": {"DL_MAIN": 0.5}})");
    settings.Write("EditorSettings", R"({"showDebugView": false, "showConsole": true})");
    session = new GameSession(MemoryManager::Instance(), nullptr, settings.Prefix());
    GameSession::SetInstance(session);
    session->SetWindowedStart();
  }

  void TearDown() override
  {
    if (session == nullptr)
      return;
    session->Shutdown();
    delete session;
    GameSession::SetInstance(nullptr);
  }

  CapturedOutput output;
  TemporaryDirectory settings;
  GameSession* session = nullptr;
};

TEST_F(GameSessionLoopTest, FramesRunInTheirProfiledStepsAndTheBackQuoteSavesTheSettings)
{
  ASSERT_TRUE(session->Initialize());
  EXPECT_FLOAT_EQ(session->GetLayer("DL_MAIN")->ambient, 0.5f) << "the settings set the ambient light";

  // The key goes through SDL's queue like a real press; the first frame's pump sees it.
  SDL_Event press{};
  press.type = SDL_KEYDOWN;
  press.key.keysym.sym = SDLK_BACKQUOTE;
  press.key.keysym.scancode = SDL_SCANCODE_GRAVE;
  press.key.state = SDL_PRESSED;
  ASSERT_EQ(SDL_PushEvent(&press), 1) << SDL_GetError();

  session->GetProfiler().RequestSnapshot();
  session->QuitAfterFrames(3);
  session->Run();

  EXPECT_FALSE(session->IsRunning());
  EXPECT_EQ(session->FramesLeft(), 0);
  EXPECT_TRUE(session->GetSpaces().empty()) << "the loop unloads its spaces when it ends";

  // The first frame's timing tree, in the order the frame runs.
  const std::vector<std::string> expected = {"Sound", "Spaces", "Physics", "Update", "GraphicsEvent",
                                             "Draw", "editor", "Swap buffers", "Sleep"};
  const auto& roots = session->GetProfiler().SnapshotRoots();
  EXPECT_EQ(Names(roots), expected);
  ASSERT_GE(roots.size(), 4u);
  EXPECT_EQ(Names(roots[2]->children), std::vector<std::string>{"testlevel"}) << "one physics scope per active space";
  EXPECT_EQ(Names(roots[3]->children), (std::vector<std::string>{"Dispatch", "ProcessMEQ"}));

  // The toggle wrote both files at once, keeping what it does not own.
  Json::Value editor, game;
  ASSERT_TRUE(ReadJsonFile(editor, settings.File("EditorSettings")));
  ASSERT_TRUE(ReadJsonFile(game, settings.File("GameSettings")));
  EXPECT_TRUE(editor["showDebugView"].asBool());
  EXPECT_TRUE(editor["showConsole"].asBool());
  EXPECT_EQ(editor["currentlyEditing"].asString(), "testlevel") << "the level being played";
  EXPECT_FLOAT_EQ(game["lighting"]["DL_MAIN"].asFloat(), 0.5f);
  EXPECT_FALSE(output.Contains("Space could not load"));
}
