// The tutorial level as a person plays it: started from the menu's TUTORIAL button, the player is
// walked with the keys, aims with the mouse and fires with Space through every stage, from the
// cell to the blown-out hold and out to the getaway ship, which leads back to the menu.
#include "FlowScene.h"

#include "flow/tutorial/TutorialManager.h"
#include "gameplay/combat/Health.h"
#include "gameplay/items/Equipment.h"
#include "support/AtlasFrames.h"
#include "support/CapturedLog.h"

#include <cmath>

class TutorialLevelTest : public FlowScene
{
protected:
  // The arms size themselves from the player's picture, and hold the guns where they point.
  AtlasFrames pictures;

  GameObject* Player() const { return Find("Utility", "Player1"); }
  glm::vec2 PlayerAt() const { return Player()->GetTransform()->GetWorldPosition(); }
  std::uint32_t Stage() const
  {
    const TutorialManager* manager = ComponentOf<TutorialManager>("Utility", "Tutorial");
    return manager != nullptr ? manager->GetStage() : 99u;
  }

  // Holds the direction keys towards the target until the player stands within 24 units of it
  // or the time runs out; the keys are let go at the end.
  bool WalkTo(glm::vec2 target, float seconds = 6.0f)
  {
    const std::pair<SDL_Keycode, glm::vec2> keys[] = {{'w', {0, 1}}, {'s', {0, -1}}, {'a', {-1, 0}}, {'d', {1, 0}}};
    bool held[4] = {};
    bool arrived = false;
    for (int frame = 0; frame < static_cast<int>(seconds / Step) && !arrived && Player() != nullptr; ++frame)
    {
      const glm::vec2 toGo = target - PlayerAt();
      arrived = std::abs(toGo.x) < 24.0f && std::abs(toGo.y) < 24.0f;
      std::vector<SDL_Event> input;
      for (int key = 0; key < 4; ++key)
      {
        const float along = glm::dot(toGo, keys[key].second);
        const bool want = !arrived && along > 12.0f;
        if (want != held[key])
          input.push_back(TestEvents::Key(keys[key].first, want));
        held[key] = want;
      }
      Press(input);
    }
    std::vector<SDL_Event> release;
    for (int key = 0; key < 4; ++key)
      if (held[key])
        release.push_back(TestEvents::Key(keys[key].first, false));
    Press(release);
    return arrived;
  }
  void Press(const std::vector<SDL_Event>& input)
  {
    for (const SDL_Event& event : input)
      devices->events.push_back(event);
    Frame();
  }
  // Aims down the screen and fires (Space uses both hands) until the condition holds.
  template <typename Until>
  void FireSouthUntil(Until until, float seconds)
  {
    MouseTo(PixelX(0.0f), PixelY(-500.0f));
    Frame({TestEvents::Key(SDLK_SPACE, true)});
    for (int frame = 0; frame < static_cast<int>(seconds / Step) && !until(); ++frame)
      Frame();
    Frame({TestEvents::Key(SDLK_SPACE, false)});
  }
};

TEST_F(TutorialLevelTest, APlayerWalksEveryStageFromTheCellOutThroughTheBlownHull)
{
  CapturedLog log;
  StartAtMainMenu();
  Click("Utility", "Tutorial");
  Frames(2);
  ASSERT_EQ(StateOf("Utility"), "tutorial, running, shown");
  ASSERT_TRUE(Player() != nullptr);
  // The encounter HUD and the health indicator open for the real player.
  EXPECT_TRUE(Find("HUD", "HUD_Health_Counter") != nullptr);
  EXPECT_TRUE(Live("HealthIndicatorSpace") != nullptr);
  Equipment* equipment = Player()->GetComponent<Equipment>();

  // Stage 0 lasts three seconds; the pistol lies to the south, where the barrier stops the player.
  Frames(190);
  EXPECT_EQ(Stage(), 1u);
  ASSERT_TRUE(WalkTo({1600.0f, 3780.0f}));
  Tap('q');
  EXPECT_EQ(Stage(), 2u) << "the pistol picked up into the free hand";
  Frames(5 * 60 + 10);
  EXPECT_EQ(Stage(), 3u) << "five seconds to try it";

  // The cell door, in the passage south of the cell: used, it opens.
  ASSERT_TRUE(WalkTo({1600.0f, 3705.0f}));
  Tap('f');
  EXPECT_EQ(Stage(), 4u) << "the cell door opened";
  ASSERT_TRUE(WalkTo({1600.0f, 3000.0f}));
  FireSouthUntil([this] { return Stage() == 5u; }, 6.0f);
  EXPECT_EQ(Stage(), 5u) << "the practice crate shot";
  // The camera leads where the player aims: down the screen.
  Frames(60);
  const glm::vec2 camera = Find("Utility", "EN Camera")->GetTransform()->GetWorldPosition();
  EXPECT_NEAR(camera.y, PlayerAt().y - 300.0f, 30.0f);

  ASSERT_TRUE(WalkTo({1600.0f, 1630.0f}));
  Tap('v');
  EXPECT_EQ(Stage(), 6u) << "the dash equipped";
  ASSERT_TRUE(equipment->GetSlot(Equipment::SpecialSlot).IsValid());

  // Past the lasers with a dash: hurt less than by walking through both beams.
  ASSERT_TRUE(WalkTo({1600.0f, 1420.0f}));
  Frame({TestEvents::Key('s', true)});
  Tap('c');
  Frames(20);
  Frame({TestEvents::Key('s', false)});
  ASSERT_TRUE(WalkTo({1600.0f, 900.0f}));
  EXPECT_EQ(Stage(), 7u) << "past the lasers";
  const float hitpoints = Player()->GetComponent<Health>()->GetHitpoints();
  EXPECT_TRUE(hitpoints > 50.0f && hitpoints < 100.0f) << hitpoints << ": the beams are live, but a dash is quick";

  // Both hands are full: the first press drops the pistol (standing still, so it is not thrown
  // ahead), the second takes the launcher in the hold's corner.
  ASSERT_TRUE(WalkTo({1600.0f, 1100.0f}));
  Frames(30);
  Tap('e');
  ASSERT_TRUE(WalkTo({2600.0f, 500.0f}));
  Tap('e');
  EXPECT_EQ(Stage(), 8u) << "the rocket launcher picked up";
  ASSERT_TRUE(WalkTo({1700.0f, 700.0f}));

  // A rocket into the hull below vents the hold; out through the hole is the getaway ship.
  FireSouthUntil([this] { return Stage() == 9u; }, 4.0f);
  EXPECT_EQ(Stage(), 9u) << "the hold vented";
  ASSERT_TRUE(Player() != nullptr);
  WalkTo({1728.0f, 260.0f}, 8.0f);  // the hole is the tile below where the rocket left
  EXPECT_EQ(Stage(), 10u) << "out of the ship, at the getaway ship";
  Tap('f');
  Frames(2);
  EXPECT_EQ(LevelIn("Utility"), "introlevel");

  for (const auto& [level, line] : log.Lines())
    EXPECT_EQ(level, LogLevel::Plain) << line;
  for (const AssertReport& report : asserts.Reports())
    ADD_FAILURE() << report.message;
}
