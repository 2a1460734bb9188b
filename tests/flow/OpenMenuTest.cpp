// The menus of the game as shipped, clicked through on the real frame loop: each button's menu
// opens over the screen that asked and closes back to it, the credits run out into the main menu,
// quitting asks first (its box over every button of the menu asked from), how to play shows
// nothing of what it was opened over, and buttons naming levels that do not exist leave the menu
// as it was.
#include "FlowScene.h"

#include "flow/menu/MenuInputDetector.h"
#include "flow/menu/MenuInputManager.h"
#include "support/CapturedLog.h"
#include "support/TestWorkingFolder.h"

#include <filesystem>

class OpenMenuTest : public FlowScene
{
protected:
  void SetUp() override
  {
    SKIP_WITHOUT_GL();
    StartAtMainMenu();
  }

  // Every button of the menus under the quit question, the one pressed grown with the focus, lies
  // within the question's box. The view is 1920 units across at every window size, so what holds
  // of the world's boxes holds in every window.
  void ExpectTheQuestionCovers(std::initializer_list<const char*> menus)
  {
    Frames(30);
    GameObject* question = Find("MenuSpace1", "Backdrop");
    ASSERT_NE(question, nullptr);
    for (const char* menu : menus)
      for (const auto& [id, button] : Live(menu)->GetObjectsById())
      {
        if (button->GetComponent<MenuInputDetector>() == nullptr)
          continue;
        EXPECT_TRUE(SpriteBox(*button).Within(SpriteBox(*question))) << button->GetName() << " of " << menu;
      }
  }
};

TEST_F(OpenMenuTest, EachMenuOpensOverTheScreenThatAskedAndClosesBackToIt)
{
  CapturedLog log;
  ASSERT_EQ(StateOf("Utility"), "introlevel, running, shown");

  // How to play: a page of its own; Escape goes back.
  Click("Utility", "How To Play");
  EXPECT_EQ(StateOf("Utility"), "introlevel, paused, hidden");
  EXPECT_EQ(StateOf("MenuSpace1"), "how_to_play, running, shown");
  Tap(SDLK_ESCAPE);
  EXPECT_EQ(Live("MenuSpace1"), nullptr);
  EXPECT_EQ(StateOf("Utility"), "introlevel, running, shown");

  // Quit asks over the menu, which stays in view; "No" (its object named "Default", so that it
  // has the focus from the start) goes back, "Yes" ends the game.
  Click("Utility", "Quit");
  EXPECT_EQ(StateOf("Utility"), "introlevel, paused, shown");
  EXPECT_EQ(StateOf("MenuSpace1"), "quit_confirmation, running, shown");
  ExpectTheQuestionCovers({"Utility"});
  Click("MenuSpace1", "Default");
  EXPECT_EQ(Live("MenuSpace1"), nullptr);
  EXPECT_EQ(StateOf("Utility"), "introlevel, running, shown");
  EXPECT_EQ(gameEnds, 0);

  // Escape pauses: the pause menu over the main menu, and menus opened from it come back to it.
  Tap(SDLK_ESCAPE);
  EXPECT_EQ(StateOf("Utility"), "introlevel, paused, shown");
  EXPECT_EQ(StateOf("MenuSpace0"), "pause_menu, running, shown");
  Click("MenuSpace0", "How To Play");
  EXPECT_EQ(StateOf("MenuSpace0"), "pause_menu, paused, hidden");
  Rest();
  Tap(SDLK_ESCAPE);
  EXPECT_EQ(StateOf("MenuSpace0"), "pause_menu, running, shown");
  Click("MenuSpace0", "Quit");
  EXPECT_EQ(StateOf("MenuSpace1"), "quit_confirmation, running, shown");
  ExpectTheQuestionCovers({"MenuSpace0", "Utility"});
  EXPECT_EQ(ComponentOf<MenuInputManager>("MenuSpace1", "Menu Input")->GetFocus(), "Default")
      << "the pointer left where QUIT was pressed takes the focus from the safe answer";
  Click("MenuSpace1", "Default");
  EXPECT_EQ(StateOf("MenuSpace0"), "pause_menu, running, shown");
  Click("MenuSpace0", "Resume");
  EXPECT_EQ(Live("MenuSpace0"), nullptr);
  EXPECT_EQ(StateOf("Utility"), "introlevel, running, shown");

  // Backspace starts the attract mode over the hidden menu; any key ends it.
  Rest();
  Tap(SDLK_BACKSPACE);
  EXPECT_EQ(StateOf("Utility"), "introlevel, paused, hidden");
  EXPECT_EQ(StateOf("Encounter"), "auto_play, running, shown");
  Frames(60);
  EXPECT_EQ(StateOf("Encounter"), "auto_play, running, shown") << "it plays by itself";
  Tap(SDLK_SPACE);
  EXPECT_EQ(Live("Encounter"), nullptr);
  EXPECT_EQ(StateOf("Utility"), "introlevel, running, shown");

  // Levels that are missing: an error each, and the menu goes on working.
  for (const char* level : {"tutorial", "overworld", "auto_play"})
    std::filesystem::remove(Space::LevelPath(level));
  Rest();
  Click("Utility", "Tutorial");
  Click("Utility", "Start");
  Tap(SDLK_BACKSPACE);
  EXPECT_TRUE(log.Contains("[ERROR] HowToPlayButton: there is no level \"tutorial\""));
  EXPECT_TRUE(log.Contains("[ERROR] ButtonStartGame: there is no level \"overworld\""));
  EXPECT_TRUE(log.Contains("[ERROR] AutoPlayButton: there is no level \"auto_play\""));
  EXPECT_EQ(StateOf("Utility"), "introlevel, running, shown");
  EXPECT_EQ(Live("Encounter"), nullptr) << log.Text();
  // Back for the tests that follow in this program.
  for (const std::string level : {"tutorial", "overworld", "auto_play"})
  {
    const std::filesystem::path shipped = TestWorkingFolder::SourceAssets() / "LevelFiles" / (level + ".json");
    if (std::filesystem::exists(shipped))
      std::filesystem::copy_file(shipped, Space::LevelPath(level));
  }

  Click("Utility", "Quit");
  Click("MenuSpace1", "Yes");
  EXPECT_EQ(gameEnds, 1);
}

TEST_F(OpenMenuTest, TheCreditsRunOutIntoTheMainMenuOnceAndEscapeLeavesEarly)
{
  Click("Utility", "Credits");
  EXPECT_EQ(StateOf("Utility"), "credits, running, shown");
  EXPECT_EQ(soundRequests.lines.back(), "fade event:/Music/Credits");
  // Four slides of five seconds.
  Frames(19 * 60);
  EXPECT_EQ(LevelIn("Utility"), "credits");
  Frames(2 * 60);
  EXPECT_EQ(StateOf("Utility"), "introlevel, running, shown");
  const std::vector<std::string> tail(soundRequests.lines.end() - 2, soundRequests.lines.end());
  EXPECT_EQ(tail, (std::vector<std::string>{"fade event:/Music/MenuMusic", "cue event:/Music/MenuMusic"}));

  Click("Utility", "Credits");
  Frames(60);
  Tap(SDLK_ESCAPE);
  EXPECT_EQ(StateOf("Utility"), "introlevel, running, shown");
}

TEST_F(OpenMenuTest, AResumeWhoseScreenWentMeanwhileLeavesEverythingAlone)
{
  Tap(SDLK_ESCAPE);
  ASSERT_EQ(StateOf("MenuSpace0"), "pause_menu, running, shown");
  // The screen under the pause menu is replaced while the menu is open.
  Space* replaced = Live("Utility");
  session->GetSpace("Utility", "credits");
  Frame();
  ASSERT_NE(Live("Utility"), replaced);
  Click("MenuSpace0", "Resume");
  EXPECT_EQ(StateOf("MenuSpace0"), "pause_menu, running, shown") << "nothing to return to";
  EXPECT_EQ(StateOf("Utility"), "credits, running, shown");
}

// How to play is a page of its own: opened from the pause, over the main menu or over a fight and
// its HUD, nothing of what lies beneath shows around its pages, and closing it brings back the
// pause over what it was.
class HowToPlayPageTest : public FlowScene
{
};

TEST_F(HowToPlayPageTest, FromThePauseNothingOfWhatLiesBeneathShows)
{
  SKIP_WITHOUT_GL();
  StartDrawing();
  StartAtMainMenu();
  auto expectAlone = [this](const std::string& beneath) {
    Click("MenuSpace0", "How To Play");
    ASSERT_EQ(StateOf("MenuSpace1"), "how_to_play, running, shown") << beneath;
    Draw();
    // The page's pictures, a pixel wider all round (a pixel at their edge may take their colour).
    std::vector<Box> pages;
    for (const auto& [id, piece] : Live("MenuSpace1")->GetObjectsById())
      if (piece->GetComponent<Sprite>() != nullptr && piece->GetName() != "Cover")
      {
        Box box = SpriteBox(*piece);
        pages.push_back({box.low - 6.0f, box.high + 6.0f});
      }
    int shown = 0;
    for (int y = 0; y < static_cast<int>(HeadlessGl::Height); ++y)
      for (int x = 0; x < static_cast<int>(HeadlessGl::Width); ++x)
      {
        const glm::vec2 at((static_cast<float>(x) + 0.5f) * 6.0f - 960.0f, 540.0f - (static_cast<float>(y) + 0.5f) * 6.0f);
        const bool onPage = std::any_of(pages.begin(), pages.end(), [&](const Box& page) { return Box{at, at}.Within(page); });
        shown += !onPage && Shown(x, y) != glm::ivec3(0);
      }
    EXPECT_EQ(shown, 0) << "pixels of " << beneath << " show around the page";
    Tap(SDLK_ESCAPE);
    EXPECT_EQ(StateOf("MenuSpace0"), "pause_menu, running, shown") << beneath;
    Rest();
    Tap(SDLK_ESCAPE);
    EXPECT_EQ(Live("MenuSpace0"), nullptr) << beneath;
  };
  Tap(SDLK_ESCAPE);
  expectAlone("the main menu");

  events->SendEvent(MemoryManager::New<StartEncounterEvent>(BRINDLE_SITE, LevelTransitionChannel, "skirmish", nullptr));
  Frames(2);
  ASSERT_EQ(StateOf("HUD"), "HUD, running, shown");
  Rest();
  Tap(SDLK_ESCAPE);
  ASSERT_EQ(StateOf("Encounter"), "skirmish, paused, shown");
  expectAlone("the fight and its HUD");
}
