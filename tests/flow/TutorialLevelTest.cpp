// The tutorial level as a person plays it: started from the menu's TUTORIAL button, the player is
// walked with the keys, aims with the mouse and fires with Space through every stage, from the
// cell to the blown-out hold and out to the getaway ship, which leads back to the menu. Whenever
// the camera shows what the current line speaks of, the dialogue box does not cover it; what a
// line asks to take or shoot is ringed, a door it calls unlocked opens, and what it says lies
// south lies there.
#include "FlowScene.h"

#include "flow/hud/DialogueBox.h"
#include "flow/tutorial/TutorialManager.h"
#include "gameplay/combat/Health.h"
#include "gameplay/items/Equipment.h"
#include "physics/Collider.h"
#include "render/Sprite.h"
#include "support/AtlasFrames.h"
#include "support/CapturedLog.h"

#include <cmath>
#include <glm/geometric.hpp>
#include <glm/vector_relational.hpp>
#include <map>

class TutorialLevelTest : public FlowScene
{
protected:
  // The arms size themselves from the player's picture, and hold the guns where they point.
  AtlasFrames pictures;
  // The object each stage's line speaks of; stages not listed speak of none that must show.
  const std::map<std::uint32_t, std::string> subjects = {
      {1, "Pistol"}, {4, "Practice Crate"}, {5, "Dash"}, {6, "Laser East"},
      {7, "Rocket Launcher"}, {9, "Getaway Ship"}, {10, "Getaway Ship"}};
  // Frames in which a stage's subject was in the camera's view but under the dialogue box.
  std::vector<std::string> covered;

  GameObject* Player() const { return Find("Utility", "Player1"); }
  glm::vec2 PlayerAt() const { return Player()->GetTransform()->GetWorldPosition(); }
  std::uint32_t Stage() const
  {
    const TutorialManager* manager = ComponentOf<TutorialManager>("Utility", "Tutorial");
    return manager != nullptr ? manager->GetStage() : 99u;
  }

  // The dialogue frame's middle and half size, relative to the camera, and the camera's half view.
  struct Layout
  {
    glm::vec2 frame;
    glm::vec2 frameHalf;
    glm::vec2 halfView;
  };
  Layout LayoutNow() const
  {
    const Transform* camera = Find("Utility", "EN Camera")->GetTransform();
    const Transform* frame = Find("Utility", "dialogue background")->GetTransform();
    const glm::mat3 world = frame->GetWorldMatrix();
    // The frame's picture is 64 x 32 pixels, drawn at the part's world scale.
    const glm::vec2 frameHalf =
        glm::vec2(32.0f, 16.0f) * glm::vec2(glm::length(glm::vec2(world[0])), glm::length(glm::vec2(world[1])));
    return {frame->GetWorldPosition() - camera->GetWorldPosition(), frameHalf,
            glm::vec2(960.0f, 540.0f) * camera->GetScale()};
  }

  // After every frame: the current line's subject, when the camera shows it, has its middle clear
  // of the dialogue box's frame.
  void AfterFrame() override
  {
    const auto subject = subjects.find(Stage());
    GameObject* shown = subject != subjects.end() ? Find("Utility", subject->second) : nullptr;
    if (shown == nullptr)
      return;
    const Layout layout = LayoutNow();
    const glm::vec2 camera = Find("Utility", "EN Camera")->GetTransform()->GetWorldPosition();
    const glm::vec2 at = shown->GetTransform()->GetWorldPosition() - camera;
    const bool inView = std::abs(at.x) < layout.halfView.x && std::abs(at.y) < layout.halfView.y;
    const glm::vec2 fromFrame = at - layout.frame;
    if (inView && std::abs(fromFrame.x) < layout.frameHalf.x && std::abs(fromFrame.y) < layout.frameHalf.y)
      covered.push_back("stage " + std::to_string(Stage()) + ": " + subject->second);
  }
  // Whether the tutorial's marker shows, ringing the object.
  bool Marks(GameObject* object) const
  {
    GameObject* marker = ComponentOf<TutorialManager>("Utility", "Tutorial")->GetMarker().Get();
    return marker != nullptr && object != nullptr && marker->GetSprite()->GetDraw() &&
           glm::length(marker->GetTransform()->GetWorldPosition() - object->GetTransform()->GetWorldPosition()) < 1.0f;
  }
  void Press(const std::vector<SDL_Event>& input)
  {
    for (const SDL_Event& event : input)
      devices->events.push_back(event);
    Frame();
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
  // Lets the camera settle, aims at the world place through it and fires (Space uses both hands,
  // pressed six times a second) until the condition holds.
  template <typename Until>
  void FireAtUntil(glm::vec2 target, Until until, float seconds)
  {
    Frames(90);
    const Transform* camera = Find("Utility", "EN Camera")->GetTransform();
    const glm::vec2 onScreen = (target - camera->GetWorldPosition()) / camera->GetScale();
    MouseTo(PixelX(onScreen.x), PixelY(onScreen.y));
    for (int frame = 0; frame < static_cast<int>(seconds / Step) && !until(); ++frame)
    {
      if (frame % 10 == 0 || frame % 10 == 5)
        Frame({TestEvents::Key(SDLK_SPACE, frame % 10 == 0)});
      else
        Frame();
    }
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
  // The player wakes empty-handed, whatever a run left: the captain's gun lies on the floor.
  for (std::uint32_t slot = 0; slot < 3; ++slot)
    EXPECT_FALSE(equipment->GetSlot(slot).IsValid()) << slot;

  // Stage 0 lasts three seconds; the pistol lies to the south-east in the cell, away from the cell
  // door's bubble. The box lies inside the view.
  Frames(190);
  EXPECT_EQ(Stage(), 1u);
  const Layout layout = LayoutNow();
  EXPECT_TRUE(glm::all(glm::lessThan(glm::abs(layout.frame) + layout.frameHalf, layout.halfView)));
  GameObject* pistol = Find("Utility", "Pistol");
  ASSERT_TRUE(pistol != nullptr);
  // What the line asks for is ringed; the cell door it calls unlocked opens.
  EXPECT_TRUE(Marks(pistol));
  ASSERT_TRUE(WalkTo({1600.0f, 3900.0f}));
  ASSERT_TRUE(WalkTo({1600.0f, 3705.0f})) << "the cell door within reach";
  Tap('f');
  EXPECT_FALSE(GetCollider(Find("Utility", "boundary"))->IsActive()) << "the unlocked door opened";
  ASSERT_TRUE(WalkTo({1600.0f, 3900.0f}));
  ASSERT_TRUE(WalkTo(pistol->GetTransform()->GetWorldPosition()));
  GameObject* doorHint = Find("Utility", "a hint");
  ASSERT_TRUE(doorHint != nullptr);
  EXPECT_GT(glm::length(doorHint->GetTransform()->GetWorldPosition() - PlayerAt()), 200.0f);
  Tap('e');
  EXPECT_EQ(Stage(), 2u) << "the pistol taken into an empty hand";
  ASSERT_TRUE(equipment->GetSlot(0).IsValid());
  EXPECT_EQ(equipment->GetSlot(0)->GetPrefabName(), "heavy_pistol");
  Frames(5 * 60 + 10);
  EXPECT_EQ(Stage(), 3u) << "five seconds to try it";

  // The door the line asks to open stands open: through it the next stage comes. Across the range
  // the barrier stops the player where it shows, on the doorway south; the crate to shoot is ringed.
  ASSERT_TRUE(WalkTo({1600.0f, 3900.0f}));
  EXPECT_EQ(Stage(), 3u);
  ASSERT_TRUE(WalkTo({1600.0f, 3450.0f}));
  EXPECT_EQ(Stage(), 4u) << "through the open door";
  EXPECT_FALSE(WalkTo({1600.0f, 1900.0f}));
  GameObject* barrier = ComponentOf<TutorialManager>("Utility", "Tutorial")->GetBarrier().Get();
  const float fieldTop = barrier->GetTransform()->GetWorldPosition().y + barrier->GetSprite()->GetScale().y / 2.0f;
  EXPECT_LT(PlayerAt().y, fieldTop + 40.0f) << "stopped at the field, not short of it";
  GameObject* crate = Find("Utility", "Practice Crate");
  EXPECT_TRUE(Marks(crate));
  const glm::vec2 crateAt = crate->GetTransform()->GetWorldPosition();
  ASSERT_TRUE(WalkTo({1600.0f, 3450.0f}));
  ASSERT_TRUE(WalkTo({1950.0f, 3350.0f}));
  FireAtUntil(crateAt, [this] { return Stage() == 5u; }, 6.0f);
  EXPECT_EQ(Stage(), 5u) << "the practice crate shot";
  // The dash lies to the south, within two tiles of the column of the crate the player just shot.
  EXPECT_NEAR(Find("Utility", "Dash")->GetTransform()->GetWorldPosition().x, crateAt.x, 256.0f);
  EXPECT_TRUE(Marks(Find("Utility", "Dash")));
  // The camera leads where the player aims, but keeps the player in the middle of the view.
  Frames(60);
  const glm::vec2 camera = Find("Utility", "EN Camera")->GetTransform()->GetWorldPosition();
  EXPECT_GT(camera.x, PlayerAt().x + 200.0f);
  EXPECT_LT(camera.x, PlayerAt().x + 300.1f);

  ASSERT_TRUE(WalkTo({1600.0f, 2100.0f}));
  ASSERT_TRUE(WalkTo({1600.0f, 1750.0f}));
  ASSERT_TRUE(WalkTo(Find("Utility", "Dash")->GetTransform()->GetWorldPosition()));
  Tap('v');
  EXPECT_EQ(Stage(), 6u) << "the dash equipped";
  ASSERT_TRUE(equipment->GetSlot(Equipment::SpecialSlot).IsValid());

  // Past the lasers with a dash: hurt less than by walking through both beams.
  ASSERT_TRUE(WalkTo({1600.0f, 1620.0f}));
  Frame({TestEvents::Key('s', true)});
  Tap('c');
  Frames(20);
  Frame({TestEvents::Key('s', false)});
  ASSERT_TRUE(WalkTo({1600.0f, 900.0f}));
  EXPECT_EQ(Stage(), 7u) << "past the lasers";
  const float hitpoints = Player()->GetComponent<Health>()->GetHitpoints();
  EXPECT_TRUE(hitpoints > 50.0f && hitpoints < 100.0f) << hitpoints << ": the beams are live, but a dash is quick";

  // The launcher goes into the free hand.
  ASSERT_TRUE(WalkTo(Find("Utility", "Rocket Launcher")->GetTransform()->GetWorldPosition()));
  Tap('q');
  EXPECT_EQ(Stage(), 8u) << "the rocket launcher picked up";
  ASSERT_TRUE(equipment->GetSlot(1).IsValid());
  EXPECT_EQ(equipment->GetSlot(1)->GetPrefabName(), "rocket_launcher");

  // A rocket into the hull to the east vents the hold; out through the hole is the getaway ship.
  ASSERT_TRUE(WalkTo({2900.0f, 800.0f}));
  FireAtUntil({3100.0f, 800.0f}, [this] { return Stage() == 9u; }, 4.0f);
  EXPECT_EQ(Stage(), 9u) << "the hold vented";
  ASSERT_TRUE(Player() != nullptr);
  WalkTo({3000.0f, 830.0f});
  WalkTo({3300.0f, 830.0f});
  WalkTo(Find("Utility", "Getaway Ship")->GetTransform()->GetWorldPosition(), 8.0f);
  EXPECT_EQ(Stage(), 10u) << "out of the ship, at the getaway ship";
  // A closing word before the menu comes back.
  EXPECT_EQ(ComponentOf<DialogueAnimator>("Utility", "Tutorial")->GetText(),
            "Ha! Not bad. Now take that ship and go make a name for yourself!");
  Tap('f');
  Frames(2);
  EXPECT_EQ(LevelIn("Utility"), "introlevel");

  EXPECT_TRUE(covered.empty()) << covered.size() << " frames, the first " << covered.front();
  for (const auto& [level, line] : log.Lines())
    EXPECT_EQ(level, LogLevel::Plain) << line;
  for (const AssertReport& report : asserts.Reports())
    ADD_FAILURE() << report.message;
}

TEST_F(TutorialLevelTest, APistolTakenBeforeTheLineAsksForItStillEndsItsStage)
{
  StartAtMainMenu();
  Click("Utility", "Tutorial");
  Frames(2);
  ASSERT_TRUE(Player() != nullptr);
  // A quick player stands by the pistol and takes it while the first line still plays.
  GameObject* pistol = Find("Utility", "Pistol");
  ASSERT_TRUE(pistol != nullptr);
  const glm::vec2 at = pistol->GetTransform()->GetWorldPosition();
  Player()->GetTransform()->SetWorldPosition(at.x, at.y + 30.0f);
  Frames(2);
  Tap('e');
  ASSERT_TRUE(Player()->GetComponent<Equipment>()->GetSlot(0).IsValid());
  EXPECT_EQ(Stage(), 0u);
  Frames(190);
  EXPECT_EQ(Stage(), 2u) << "the line asking for the pistol gives way to the next";
}
