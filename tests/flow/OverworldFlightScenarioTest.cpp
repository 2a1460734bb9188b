// A run's flight through the shipped overworld on the real frame loop, flown from the keyboard: the
// ship flies where the keys point, no faster than its top speed, under its flame; two launched ships
// passing through each other board nothing; flying into a launched ship puts out the flame, angers
// that ship's faction alone and boards its encounter (that one alone, though another lay on it),
// where a kill pays its value into the run's score. Back out at five frames a second, the ship
// steers clear of the ships lying on it before any can board it;
// flying into another of the faction's ships boards an encounter filled from the faction's anger
// (bugs where a calm faction's would be ducks); the anger stands at 3 and the faction's hard ship
// hunts the player's ship down and boards its own encounter, which clears away the hunters the
// boss's ship has launched; far from that ship, it launches one every ten seconds. Flown into the
// galleon's waters at five frames a second, the step that brings it in meets a hunter that boards
// nothing. Flown by its keys at the boss's ship, it passes the hunters in the galleon's waters, the
// arrow standing aside, and boards the boss room.
#include "FlowScene.h"

#include "ai/ships/FactionController.h"
#include "ai/ships/FactionProperty.h"
#include "ai/ships/HardEnemyShipController.h"
#include "flow/level/LevelManager.h"
#include "flow/level/LoadEncounter.h"
#include "gameplay/combat/CombatEvents.h"
#include "gameplay/player/PlayerEvents.h"
#include "gameplay/score/ReputationValue.h"
#include "gameplay/score/ScoreBoard.h"
#include "gameplay/ship/ShipController.h"
#include "gameplay/ship/ShipThruster.h"
#include "physics/Rigidbody.h"
#include "render/Sprite.h"

#include <glm/geometric.hpp>

#include <algorithm>
#include <cfloat>
#include <functional>

namespace
{
glm::vec2 PlaceOf(GameObject& object)
{
  return object.GetTransform()->GetWorldPosition();
}
}  // namespace

class OverworldFlightScenarioTest : public FlowScene
{
protected:
  // The live objects of the space that pass the test.
  std::vector<GameObject*> ObjectsIn(const std::string& spaceName, const std::function<bool(GameObject&)>& wanted)
  {
    std::vector<GameObject*> found;
    if (Space* space = Live(spaceName))
      for (auto entry = space->ObjectsBegin(); entry != space->ObjectsEnd(); ++entry)
        if (GameObject* object = entry->second.Get(); object != nullptr && wanted(*object))
          found.push_back(object);
    return found;
  }

  // The launched ships of one base (any base for an empty name) that fly to a destination.
  std::vector<GameObject*> Launched(const std::string& baseName = "")
  {
    return ObjectsIn("Overworld", [&](GameObject& object) {
      const auto* property = object.GetComponent<FactionProperty>();
      return property != nullptr && property->GetController() != nullptr &&
             object.GetComponent<HardEnemyShipController>() == nullptr &&
             (baseName.empty() || property->GetController()->GetOwner()->GetName() == baseName);
    });
  }

  std::uint32_t AngerOf(const std::string& baseName)
  {
    return ComponentOf<FactionController>("Overworld", baseName)->GetAttackCount();
  }

  // Flies the ship at the target from `away` units to its left, holding the keys that point at it,
  // until an encounter is boarded; the keys are let go after. `onFrame` looks at each frame before.
  void FlyInto(GameObject& ship, GameObject& targetObject, float away = 400.0f,
               const std::function<void()>& onFrame = [] {})
  {
    const Handle<GameObject> target = Live("Overworld")->GetObjectsById().at(targetObject.GetId());
    const glm::vec2 from = PlaceOf(*target) - glm::vec2(away, 0.0f);
    ship.GetTransform()->SetWorldPosition(from.x, from.y);
    const SDL_Keycode keys[] = {SDLK_d, SDLK_a, SDLK_w, SDLK_s};
    bool held[4] = {};
    for (int frame = 0; frame < 600 && !InEncounter() && target.IsValid(); ++frame)
    {
      const glm::vec2 to = PlaceOf(*target) - PlaceOf(ship);
      const bool wanted[4] = {to.x > 30.0f, to.x < -30.0f, to.y > 30.0f, to.y < -30.0f};
      for (int key = 0; key < 4; ++key)
        if (wanted[key] != held[key])
          devices->events.push_back(TestEvents::Key(keys[key], held[key] = wanted[key]));
      Frame();
      if (frame == 20)
      {
        EXPECT_TRUE(ship.GetComponent<ShipThruster>()->IsThrusting()) << "under way under its flame";
      }
      if (!InEncounter() && target.IsValid())
        onFrame();
    }
    for (int key = 0; key < 4; ++key)
      if (held[key])
        devices->events.push_back(TestEvents::Key(keys[key], false));
    Frame();
  }

  void Leave()
  {
    GameObject* exit = Find("Encounter", "Exit");
    ASSERT_NE(exit, nullptr);
    SendNow<InteractionEvent>(BRINDLE_SITE, exit->GetId());
    Frames(2);
    ASSERT_EQ(StateOf("Overworld"), "overworld, running, shown");
  }

  bool InEncounter()
  {
    const std::string level = LevelIn("Encounter");
    return level != "(none)" && level != "blank";
  }
};

TEST_F(OverworldFlightScenarioTest, FlyRamAngerAFactionEarnAKillMeetItsHardShipAndTheBossHunters)
{
  CapturedLog log;
  StartAtMainMenu();
  Hover("Utility", "Start");
  Frame({TestEvents::Key(SDLK_RETURN, true)});
  Frames(2);
  Frame({TestEvents::Key(SDLK_RETURN, false)});
  ASSERT_EQ(StateOf("Overworld"), "overworld, running, shown");
  GameObject* ship = Find("Overworld", "Corva");
  ASSERT_NE(ship, nullptr);
  const int score = ComponentOf<ScoreBoard>("Admin", "LTM")->GetScore();

  // A held A skips the tutorial and flies the ship left, straight, at its top speed and no faster.
  const glm::vec2 start = PlaceOf(*ship);
  Frame({TestEvents::Key(SDLK_a, true)});
  Frames(150);
  EXPECT_EQ(Find("Overworld", "OW Tutorial"), nullptr);
  EXPECT_LT(PlaceOf(*ship).x, start.x - 500.0f);
  EXPECT_NEAR(PlaceOf(*ship).y, start.y, 5.0f);
  const float speed = glm::length(ship->GetComponent<Rigidbody>()->velocity);
  EXPECT_GT(speed, 0.8f * ShipController::MaxSpeed);
  EXPECT_LT(speed, 1.1f * ShipController::MaxSpeed);
  EXPECT_TRUE(ship->GetComponent<ShipThruster>()->IsThrusting());
  Frame({TestEvents::Key(SDLK_a, false)});

  // The bases launch; two launched ships passing through each other board nothing.
  for (int frame = 0; frame < 20 * 60 && Launched().size() < 2; ++frame)
    Frame();
  std::vector<GameObject*> launched = Launched();
  ASSERT_GE(launched.size(), 2u);
  launched[1]->GetTransform()->SetWorldPosition(PlaceOf(*launched[0]).x + 50.0f, PlaceOf(*launched[0]).y);
  Frames(3);
  EXPECT_FALSE(InEncounter()) << "boarded by two enemy ships touching";

  // Flying into a launched ship puts out the flame, angers its faction (and no other) and boards
  // its encounter, and that alone: a second ship lying on it, touched in the same step, boards
  // nothing.
  GameObject* target = Launched().front();
  const std::string base = target->GetComponent<FactionProperty>()->GetController()->GetOwner()->GetName();
  const std::string level = target->GetComponent<LoadEncounter>()->GetLevelFilename();
  const Handle<GameObject> second = Make("OW_FactionOne_EasyShip", PlaceOf(*target), "", Live("Overworld"));
  FlyInto(*ship, *target, 400.0f, [&] {
    second->GetTransform()->SetWorldPosition(PlaceOf(*target).x, PlaceOf(*target).y);
  });
  ASSERT_TRUE(InEncounter());
  EXPECT_EQ(LevelIn("Encounter"), level);
  EXPECT_EQ(log.CountOf("LTM: StartEncounter"), 1u);
  ASSERT_TRUE(second.IsValid()) << "boarded in the same step";
  EXPECT_FALSE(ship->GetComponent<ShipThruster>()->IsThrusting()) << "the ram puts the flame out";

  // A kill in the encounter pays its value into the run's score.
  std::vector<GameObject*> worth =
      ObjectsIn("Encounter", [](GameObject& object) { return object.GetComponent<ReputationValue>() != nullptr; });
  ASSERT_FALSE(worth.empty());
  const int value = worth.front()->GetComponent<ReputationValue>()->GetValue();
  EXPECT_GT(value, 0);
  SendNow<DiedEvent>(BRINDLE_SITE, worth.front()->GetId());
  Frames(2);
  EXPECT_EQ(ComponentOf<ScoreBoard>("Admin", "LTM")->GetScore(), score + value);

  Leave();
  Frames(2);
  for (const char* station : {"Red Station", "Amber Station", "Violet Station"})
    EXPECT_EQ(AngerOf(station), station == base ? 1u : 0u) << station;

  // Back among ships at five frames a second, the second ship still lying where it rammed and a
  // launched one put on top: the ship steers away at once, and none boards it, then or after.
  ASSERT_FALSE(Launched().empty());
  const glm::vec2 back = PlaceOf(*ship);
  EXPECT_LT(glm::length(PlaceOf(*second) - back), 300.0f);
  Launched().front()->GetTransform()->SetWorldPosition(back.x, back.y);
  constexpr float Slow = 0.2f;
  Frame({TestEvents::Key(SDLK_s, true)}, Slow);
  Frames(static_cast<int>(1.5f / Slow), Slow);
  EXPECT_GT(glm::length(PlaceOf(*ship) - back), 400.0f) << "steered away";
  Frames(static_cast<int>(2.5f / Slow), Slow);
  Frame({TestEvents::Key(SDLK_s, false)}, Slow);
  EXPECT_FALSE(InEncounter()) << "boarded on the way out";

  // Another of the faction's ships: its encounter is filled from the anger of 1, so the areas a
  // step harder than the calmest send bugs; back out the anger stands at 3 and the faction has sent a hard ship.
  std::vector<GameObject*> same;
  for (int frame = 0; frame < 40 * 60 && (same = Launched(base)).empty(); ++frame)
    Frame();
  ASSERT_FALSE(same.empty());
  FlyInto(*ship, *same.front());
  ASSERT_TRUE(InEncounter());
  EXPECT_FALSE(ObjectsIn("Encounter", [](GameObject& object) {
                 return object.GetPrefabName().rfind("AI_bug", 0) == 0;
               }).empty())
      << "filled as if the faction were calm";
  ComponentOf<ScoreBoard>("Admin", "LTM")->SetScore(3000);
  Leave();
  // Far from every base and from the boss's ship, where nothing catches it for a while.
  ship->GetTransform()->SetWorldPosition(-5500.0f, -3200.0f);
  Frames(2);
  EXPECT_EQ(AngerOf(base), 3u);
  std::vector<GameObject*> hard = ObjectsIn("Overworld", [](GameObject& object) {
    const auto* property = object.GetComponent<FactionProperty>();
    return object.GetComponent<HardEnemyShipController>() != nullptr && property != nullptr &&
           property->GetController() != nullptr;
  });
  ASSERT_EQ(hard.size(), 1u);
  EXPECT_EQ(hard.front()->GetComponent<FactionProperty>()->GetController()->GetOwner()->GetName(), base);

  // The hard ship makes for the player's ship and boards its own encounter; the boss's ship has
  // launched a hunter meanwhile, and the boarding clears the hunters away.
  const auto hunters = [this] {
    return ObjectsIn("Overworld", [](GameObject& object) { return object.GetPrefabName() == "Enemy Ship"; }).size();
  };
  ASSERT_NE(Find("Overworld", "bossShip"), nullptr);
  std::size_t most = 0;
  for (int frame = 0; frame < 40 * 60 && !InEncounter(); ++frame)
  {
    Frame();
    most = std::max(most, hunters());
  }
  ASSERT_TRUE(InEncounter()) << "the hard ship never caught up";
  EXPECT_EQ(LevelIn("Encounter"), "gunship");
  EXPECT_GE(most, 1u);
  Leave();
  EXPECT_EQ(hunters(), 0u);

  // Far from the boss's ship, its spawner launches a hunter every ten seconds.
  ship->GetTransform()->SetWorldPosition(-5500.0f, -3200.0f);
  Frames(static_cast<int>(25.0f / Step));
  ASSERT_FALSE(InEncounter());
  EXPECT_GE(hunters(), 2u);
  EXPECT_LE(hunters(), 3u);

  // At five frames a second, flown by its keys into the galleon's waters at a hunter that lies just
  // within them: the step that brings the ship in touches the hunter, which boards nothing.
  const auto hunterObjects = [this] {
    return ObjectsIn("Overworld", [](GameObject& object) { return object.GetPrefabName() == "Enemy Ship"; });
  };
  const glm::vec2 king = PlaceOf(*Find("Overworld", "bossShip"));
  const auto outside = [&] { return king.x - PlaceOf(*ship).x - ShipHold::WatersRadius; };
  ship->GetTransform()->SetWorldPosition(king.x - 3600.0f, king.y);
  const Handle<GameObject> waiting = Live("Overworld")->GetObjectsById().at(hunterObjects().front()->GetId());
  Frame({TestEvents::Key(SDLK_d, true)}, Slow);
  // Flown on until the next step will carry it well within; the hunter waits there, at rest.
  while (outside() > 0.0f && outside() - ship->GetComponent<Rigidbody>()->velocity.x * Slow > -40.0f)
    Frame({}, Slow);
  ASSERT_GT(outside(), 0.0f);
  waiting->GetTransform()->SetWorldPosition(king.x - 2740.0f, king.y);
  waiting->GetComponent<Rigidbody>()->SetVelocity(glm::vec2(0.0f, 0.0f));
  Frame({}, Slow);
  ASSERT_TRUE(waiting.IsValid()) << "boarded within the galleon's waters";
  EXPECT_LT(glm::length(PlaceOf(*waiting) - PlaceOf(*ship)), 300.0f) << "the hunter was not met";
  Frame({TestEvents::Key(SDLK_d, false)}, Slow);
  EXPECT_FALSE(InEncounter());

  // Flown by its keys straight at the boss's ship from 2900 units off, just as a hunter leaves it:
  // within the galleon's waters no ship hunts the player's ship nor boards it, however close the
  // hunters come; the big arrow stands aside once the galleon is near enough to be seen; and the
  // galleon, though nothing else reaches the ship, boards the boss room.
  const std::size_t before = hunters();
  for (int frame = 0; frame < 11 * 60 && hunters() == before; ++frame)
    Frame();
  GameObject* galleon = Find("Overworld", "bossShip");
  const Handle<GameObject> bossArrow = ComponentOf<LevelManager>("Overworld", "Level Manager")->GetSignpost().GetArrow();
  ASSERT_TRUE(bossArrow.IsValid());
  float nearest = FLT_MAX;
  bool arrowShownNear = false, arrowHiddenFar = false, hunted = false;
  FlyInto(*ship, *galleon, 2900.0f, [&] {
    const float apart = glm::length(PlaceOf(*galleon) - PlaceOf(*ship));
    const bool shown = bossArrow->GetComponent<Sprite>()->GetDraw();
    arrowShownNear = arrowShownNear || (shown && apart < BossShipSignpost::HiddenWithin);
    arrowHiddenFar = arrowHiddenFar || (!shown && apart > BossShipSignpost::HiddenWithin + 50.0f);
    for (GameObject* hunter : hunterObjects())
    {
      nearest = std::min(nearest, glm::length(PlaceOf(*hunter) - PlaceOf(*ship)));
      hunted = hunted || hunter->GetComponent<HardEnemyShipController>()->GetTargetObject().Get() == ship;
    }
  });
  EXPECT_EQ(LevelIn("Encounter"), "BossRoom");
  EXPECT_LT(nearest, 300.0f) << "no hunter crossed the ship's way";
  EXPECT_FALSE(hunted) << "hunted in the galleon's waters";
  EXPECT_FALSE(arrowShownNear) << "the arrow stood beside or past the galleon";
  EXPECT_FALSE(arrowHiddenFar);

  for (const auto& [logLevel, line] : log.Lines())
    EXPECT_EQ(logLevel, LogLevel::Plain) << line;
  for (const AssertReport& report : asserts.Reports())
    ADD_FAILURE() << report.message;
}
