// The shipped overworld as a run meets it, on the real frame loop: START (Return) brings it up with
// the player's ship held by the tutorial, whose box stays on the screen at any zoom and whose
// highlight circles the HUD's score; the Return that started the run skips nothing, a key pressed
// afterwards skips the tutorial and flies the ship under its flame, the camera follows, the stations
// launch ships and point their arrows, ramming a launched ship boards its encounter, the exit brings
// the ship back where it was inside the whole map again, out of reach for two seconds, and with
// 3000 points the boss's ship waits at its place and boards the boss room; a new run's ship starts
// at the level's start again.
#include "FlowScene.h"

#include "ai/ships/FactionController.h"
#include "ai/ships/WaypointArrow.h"
#include "flow/level/LoadEncounter.h"
#include "flow/tutorial/OW_TutorialManager.h"
#include "gameplay/LevelEvents.h"
#include "gameplay/player/PlayerEvents.h"
#include "gameplay/score/ScoreBoard.h"
#include "gameplay/ship/ShipThruster.h"
#include "physics/MapBoundingColliders.h"
#include "support/CapturedLog.h"

#include <SOIL/SOIL.h>
#include <glm/geometric.hpp>
#include <glm/trigonometric.hpp>

#include <algorithm>
#include <cmath>

namespace
{
glm::vec2 PlaceOf(GameObject& object)
{
  return object.GetTransform()->GetWorldPosition();
}

// The hue, in degrees, of what a sprite shows on the whole: the mean of its picture's visible
// pixels, in the sprite's tint.
float ShownHue(const Sprite& sprite)
{
  int width = 0, height = 0, channels = 0;
  unsigned char* pixels = SOIL_load_image(("Assets/Images/" + sprite.GetSource() + ".png").c_str(), &width, &height,
                                          &channels, SOIL_LOAD_RGBA);
  glm::vec3 sum(0.0f);
  for (int at = 0; pixels != nullptr && at < width * height; ++at)
    if (pixels[at * 4 + 3] > 0)
      sum += glm::vec3(pixels[at * 4], pixels[at * 4 + 1], pixels[at * 4 + 2]);
  SOIL_free_image_data(pixels);
  const fColor tint = sprite.GetColor();
  const glm::vec3 shown = sum * glm::vec3(tint.r, tint.g, tint.b);
  return std::fmod(glm::degrees(std::atan2(std::sqrt(3.0f) * (shown.g - shown.b), 2.0f * shown.r - shown.g - shown.b)) + 360.0f,
                   360.0f);
}
}  // namespace

class OverworldTest : public FlowScene
{
protected:
  // The player's ship moved against the other ship; the physics step reports the touch.
  void Ram(GameObject& ship, GameObject& target)
  {
    const glm::vec2 at = PlaceOf(target) - glm::vec2(150.0f, 0.0f);
    ship.GetTransform()->SetWorldPosition(at.x, at.y);
    Frames(2);
  }

  // The tutorial's frame lies inside the camera's view (1920 x 1080 world units at scale 1).
  void ExpectBoxOnScreen()
  {
    GameObject* frame = Find("Overworld", "dialogue background");
    GameObject* camera = Find("Overworld", "OW Camera");
    ASSERT_TRUE(frame != nullptr && camera != nullptr);
    const glm::vec2 half = glm::vec2(960.0f, 540.0f) * camera->GetTransform()->GetScale();
    const glm::vec2 centre = PlaceOf(*camera);
    // The frame's picture is 64 x 32 pixels, drawn at the part's world scale.
    const glm::mat3 world = frame->GetTransform()->GetWorldMatrix();
    const glm::vec2 size =
        glm::vec2(64.0f, 32.0f) * glm::vec2(glm::length(glm::vec2(world[0])), glm::length(glm::vec2(world[1])));
    const glm::vec2 low = PlaceOf(*frame) - size / 2.0f - centre;
    const glm::vec2 high = PlaceOf(*frame) + size / 2.0f - centre;
    EXPECT_TRUE(low.x > -half.x && low.y > -half.y && high.x < half.x && high.y < half.y)
        << "zoom " << camera->GetTransform()->GetScale().x << ": " << low.x << " " << low.y << " " << high.x << " "
        << high.y << " in " << half.x << " " << half.y;
  }

  void Leave()
  {
    GameObject* exit = Find("Encounter", "Exit");
    ASSERT_NE(exit, nullptr);
    events->SendEvent(MemoryManager::New<InteractionEvent>(BRINDLE_SITE, exit->GetId()));
    Frames(2);
  }
};

TEST_F(OverworldTest, StartSkipFlyRamALaunchedShipLeaveAndBoardTheBossShip)
{
  CapturedLog log;
  StartAtMainMenu();
  Hover("Utility", "Start");
  Frame({TestEvents::Key(SDLK_RETURN, true)});
  Frames(2);
  ASSERT_EQ(StateOf("Overworld"), "overworld, running, shown");
  GameObject* ship = Find("Overworld", "Corva");
  ASSERT_NE(ship, nullptr);
  const auto& registered = registry->GetObjects(RegistryType::OW_CORVA);
  ASSERT_FALSE(registered.empty());
  EXPECT_EQ(registered.back().Get(), ship);

  // The tutorial holds the ship while it speaks, its box on the screen as the camera's zoom
  // changes; the Return still held from the menu skips nothing, but holding D once it is let go
  // skips it and flies the ship right.
  ExpectBoxOnScreen();
  Frames(30);
  ExpectBoxOnScreen();
  Frame({TestEvents::Key(SDLK_RETURN, false)});
  Frames(30);
  ASSERT_NE(Find("Overworld", "OW Tutorial"), nullptr) << "skipped by the key that started the run";
  ExpectBoxOnScreen();
  // At its third line the highlight circles the score on the HUD, whatever the camera's zoom.
  const auto* tutorial = ComponentOf<OW_TutorialManager>("Overworld", "OW Tutorial");
  for (int frame = 0; frame < 600 && tutorial->GetStage() < 2; ++frame)
    Frame();
  Frame();
  const Transform* view = Find("Overworld", "OW Camera")->GetTransform();
  const glm::vec2 circled = (PlaceOf(*tutorial->GetHighlight()) - view->GetWorldPosition()) / view->GetScale().x;
  const glm::vec2 score = PlaceOf(*Find("OW_HUD", "OW_Reputation"));
  EXPECT_NEAR(circled.x, score.x, 1.0f);
  EXPECT_NEAR(circled.y, score.y, 1.0f);
  ExpectBoxOnScreen();
  const glm::vec2 start = PlaceOf(*ship);
  Frame({TestEvents::Key(SDLK_d, true)});
  Frames(60);
  EXPECT_TRUE(ship->GetComponent<ShipThruster>()->IsThrusting()) << "nothing of the ship's own cuts its engine";
  Frame({TestEvents::Key(SDLK_d, false)});
  EXPECT_EQ(Find("Overworld", "OW Tutorial"), nullptr);
  EXPECT_GT(PlaceOf(*ship).x, start.x + 200.0f);

  // Within twelve seconds ships are under way; every station's arrow stands 1000 units out from
  // the ship on the line to the station, in the colour of that station (its hue nearest that
  // station's of the three), and the camera has caught up with the ship.
  Frames(12 * 60);
  Space* overworld = Live("Overworld");
  std::vector<GameObject*> launched;
  std::vector<std::pair<GameObject*, const FactionController*>> stations;
  for (auto entry = overworld->ObjectsBegin(); entry != overworld->ObjectsEnd(); ++entry)
  {
    GameObject& object = *entry->second;
    if (object.GetPrefabName().rfind("OW_FactionOne_", 0) == 0)
      launched.push_back(&object);
    if (const auto* station = object.GetComponent<FactionController>())
    {
      stations.emplace_back(&object, station);
      ASSERT_TRUE(station->GetWaypoint().IsValid()) << object.GetName();
      const glm::vec2 arrow = PlaceOf(*station->GetWaypoint()) - PlaceOf(*ship);
      EXPECT_NEAR(glm::length(arrow), WaypointArrow::Distance, 1.0f) << object.GetName();
      EXPECT_GT(glm::dot(glm::normalize(arrow), glm::normalize(PlaceOf(object) - PlaceOf(*ship))), 0.999f);
    }
  }
  ASSERT_EQ(stations.size(), 3u);
  auto apart = [](float one, float other) { return std::min(std::abs(one - other), 360.0f - std::abs(one - other)); };
  for (const auto& [station, controller] : stations)
  {
    const float arrow = ShownHue(*controller->GetWaypoint()->GetComponent<Sprite>());
    for (const auto& [other, unused] : stations)
    {
      if (other == station)
        continue;
      EXPECT_LT(apart(arrow, ShownHue(*station->GetComponent<Sprite>())),
                apart(arrow, ShownHue(*other->GetComponent<Sprite>())))
          << "the arrow to " << station->GetName() << " shows the colour of " << other->GetName();
    }
  }
  ASSERT_FALSE(launched.empty());
  EXPECT_LT(glm::length(PlaceOf(*Find("Overworld", "OW Camera")) - PlaceOf(*ship)), 300.0f);

  // Ramming a launched ship boards the encounter it names; the exit resumes the same overworld
  // with the ship where it was and the map at its whole size. With 3000 points the boss's ship is
  // there, and ramming it boards the boss room.
  GameObject& target = *launched.front();
  const std::string level = target.GetComponent<LoadEncounter>()->GetLevelFilename();
  Ram(*ship, target);
  ASSERT_EQ(StateOf("Encounter"), level + ", running, shown");
  EXPECT_EQ(StateOf("Overworld"), "overworld, paused, hidden");
  // Escape pauses the encounter under the pause menu, and again goes back to it.
  auto pausesAndResumes = [this](const std::string& encounter) {
    Rest();
    Tap(SDLK_ESCAPE);
    EXPECT_EQ(StateOf("Encounter"), encounter + ", paused, shown");
    EXPECT_EQ(StateOf("MenuSpace0"), "pause_menu, running, shown");
    Rest();
    Tap(SDLK_ESCAPE);
    EXPECT_EQ(Live("MenuSpace0"), nullptr);
    EXPECT_EQ(StateOf("Encounter"), encounter + ", running, shown");
  };
  pausesAndResumes(level);
  const glm::vec2 rammedAt = PlaceOf(*ship);
  ComponentOf<ScoreBoard>("Admin", "LTM")->SetScore(3000);
  Leave();
  ASSERT_EQ(StateOf("Overworld"), "overworld, running, shown");
  EXPECT_EQ(Find("Overworld", "Corva"), ship);
  EXPECT_LT(glm::length(PlaceOf(*ship) - rammedAt), 200.0f) << "a drift of two frames at most";
  const auto* boundary = ComponentOf<MapBoundingColliders>("Overworld", "Map Boundary");
  ASSERT_NE(boundary, nullptr);
  EXPECT_EQ(boundary->width, 12000.0f);
  EXPECT_EQ(boundary->height, 7000.0f);
  GameObject* bossShip = Find("Overworld", "bossShip");
  ASSERT_NE(bossShip, nullptr);
  EXPECT_EQ(PlaceOf(*bossShip), glm::vec2(5000.0f, 300.0f));
  Ram(*ship, *bossShip);
  EXPECT_EQ(StateOf("Encounter"), "blank, paused, hidden") << "boarded before the overworld was seen again";
  Frames(static_cast<int>(2.0f / Step) + 2);  // the two seconds the ship is held after an encounter
  EXPECT_EQ(StateOf("Encounter"), "BossRoom, running, shown");
  pausesAndResumes("BossRoom");

  // Back to the menu (as the pause menu's "Main menu" does) and START: a new run's ship starts
  // where the level puts it, not where the last run left it, and nothing carried comes along.
  DataBoard& board = Registry::Instance()->GetDataBoard();
  board.SetPrimaryItem("rifle");
  events->SendEvent(MemoryManager::New<StartUtilityEvent>(BRINDLE_SITE, LevelTransitionChannel, "introlevel"));
  Rest();
  Click("Utility", "Start");
  Frames(30);
  ship = Find("Overworld", "Corva");
  ASSERT_NE(ship, nullptr);
  EXPECT_EQ(PlaceOf(*ship), start);
  EXPECT_EQ(board.GetPrimaryItem(), "");

  for (const auto& [logLevel, line] : log.Lines())
    EXPECT_EQ(logLevel, LogLevel::Plain) << line;
  for (const AssertReport& report : asserts.Reports())
    ADD_FAILURE() << report.message;
}
