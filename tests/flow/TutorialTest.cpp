#include "FlowScene.h"

#include "core/Send.h"
#include "flow/hud/ActionHintController.h"
#include "flow/hud/DialogueBox.h"
#include "flow/tutorial/OW_TutorialManager.h"
#include "flow/tutorial/TutorialManager.h"
#include "gameplay/props/CircleAround.h"
#include "gameplay/ship/ShipEvents.h"
#include "object/Removal.h"
#include "physics/Rigidbody.h"
#include "render/Sprite.h"

namespace
{
void SendTrigger(Space* space, std::uint32_t stage)
{
  SendNow<TriggerEvent>(BRINDLE_SITE, space->GetId(), stage);
}
}  // namespace

// The ship tutorial's script on the real loop: timers, triggers in script order only, the
// depressurisation, the barrier's places, and the box kept on the screen by the camera.
TEST_F(InterfaceScene, TutorialRunsItsTenStagesOnTimersTriggersAndTheBlownWall)
{
  const Handle<GameObject> camera = Make("Camera", {2000.0f, 3000.0f}, "EN Camera");
  Define("TestTutorial", R"({"DialogueAnimator": {}, "TutorialManager": null})");
  const Handle<GameObject> tutorial = Make("TestTutorial");
  auto* manager = tutorial->GetComponent<TutorialManager>();
  auto* dialogue = tutorial->GetComponent<DialogueAnimator>();
  ASSERT_TRUE(manager && dialogue && manager->GetBarrier());
  Frame();
  EXPECT_EQ(dialogue->GetText(), "You're awake. Walk around if you're awake.");
  EXPECT_EQ(PositionOf(tutorial), glm::vec2(1300.0f, 2650.0f));
  EXPECT_EQ(PositionOf(manager->GetBarrier()), glm::vec2(1600.0f, 3584.0f));
  EXPECT_TRUE(Find("Encounter", "boundary") != nullptr);

  Seconds(2.9f);
  EXPECT_EQ(manager->GetStage(), 0u);
  Seconds(0.2f);
  EXPECT_EQ(manager->GetStage(), 1u);
  EXPECT_EQ(dialogue->GetLines().size(), 4u) << "wrapped at 30";
  Seconds(10.0f);
  EXPECT_EQ(manager->GetStage(), 1u) << "stage 0 ended by its timer: stage 1 waits for its trigger";

  SendTrigger(space, 4);  // ahead of its stage (the crate shot from afar): said, and kept for it
  EXPECT_EQ(manager->GetStage(), 1u);
  EXPECT_EQ(log.CountOf("trigger!"), 1u);
  SendNow<DepressurizationEvent>(BRINDLE_SITE, space->GetId(), 0u, 0u, glm::vec2(0.0f, 0.0f));
  EXPECT_EQ(manager->GetStage(), 1u);

  SendTrigger(space, 1);
  Frame();
  EXPECT_EQ(manager->GetStage(), 2u);
  Seconds(4.9f);
  EXPECT_EQ(manager->GetStage(), 2u);
  Seconds(0.2f);
  EXPECT_EQ(manager->GetStage(), 3u);
  EXPECT_EQ(PositionOf(manager->GetBarrier()), glm::vec2(1600.0f, 2048.0f));

  SendTrigger(space, 3);
  Frames(2);
  EXPECT_EQ(manager->GetStage(), 5u) << "stage 4's trigger came early: it ends as it begins";
  const float barrierY[] = {1536.0f, 2048.0f, 1536.0f};
  for (std::uint32_t stage = 5; stage <= 7; ++stage)
  {
    EXPECT_EQ(PositionOf(manager->GetBarrier()).y, barrierY[stage - 5]) << stage;
    SendTrigger(space, stage);
    Frame();
    EXPECT_EQ(manager->GetStage(), stage + 1);
  }
  EXPECT_EQ(dialogue->GetText(), "Blow a hole into space and claim freedom!");
  SendNow<DepressurizationEvent>(BRINDLE_SITE, space->GetId(), 0u, 0u, glm::vec2(0.0f, 0.0f));
  Frame();
  EXPECT_EQ(manager->GetStage(), 9u);
  EXPECT_EQ(dialogue->GetText(), "Flee fool!");
  SendTrigger(space, 9);
  Frames(3);
  EXPECT_EQ(manager->GetStage(), 10u);
  EXPECT_EQ(dialogue->GetText(), "Ha! Not bad. Now take that ship and go make a name for yourself!");
  SendTrigger(space, 10);
  Frames(3);
  EXPECT_EQ(manager->GetStage(), 11u) << "past the script nothing happens";

  // The box follows the camera.
  camera->GetTransform()->SetWorldPosition(0.0f, 0.0f);
  Frame();
  EXPECT_EQ(PositionOf(tutorial), glm::vec2(-700.0f, -350.0f));
  EXPECT_EQ(log.Errors(), 0u) << log.Text();
}

// The overworld tutorial left alone changes lines at 3, 8, 13, 18 and 23 s and goes at 28 s; the
// ship is held until stage 5. A key pressed during the first stage skips it all at once, but not
// one held since before the tutorial began (the key that started the run).
TEST_F(InterfaceScene, OverworldTutorialFollowsItsTimelineAndSkipsOnAnyInput)
{
  Define("TestShip", R"({"Rigidbody": null, "Registerer": {"registryType": "OW_CORVA"}})");
  Define("TestOverworldTutorial", R"({"DialogueAnimator": {}, "OW_TutorialManager": null})");
  const Handle<GameObject> ship = Make("TestShip", {100.0f, 200.0f});
  const Handle<GameObject> tutorial = Make("TestOverworldTutorial");
  auto* manager = tutorial->GetComponent<OW_TutorialManager>();
  auto* dialogue = tutorial->GetComponent<DialogueAnimator>();
  const Handle<GameObject> highlight = manager->GetHighlight();
  ASSERT_TRUE(highlight);
  const CircleAround* circle = highlight->GetComponent<CircleAround>();
  ASSERT_TRUE(circle != nullptr);
  Frame();
  EXPECT_EQ(dialogue->GetText(), "I see you that you have found yourself a ship.");
  EXPECT_EQ(circle->GetRadii(), glm::vec2(500.0f, 500.0f));
  EXPECT_FALSE(ship->GetComponent<Rigidbody>()->IsActive());
  EXPECT_EQ(PositionOf(highlight), PositionOf(ship));
  EXPECT_EQ(PositionOf(tutorial), PositionOf(ship) - glm::vec2(5000.0f, 3000.0f));
  EXPECT_EQ(tutorial->GetTransform()->GetScale(), glm::vec2(5.0f, 5.0f));

  std::vector<float> changes;
  std::string shown = dialogue->GetText();
  float time = Step;
  while (tutorial.IsValid() && time < 40.0f)
  {
    Frame();
    time += Step;
    if (tutorial.IsValid() && dialogue->GetText() != shown)
    {
      shown = dialogue->GetText();
      changes.push_back(time);
      if (manager->GetStage() == 2)
      {
        EXPECT_EQ(PositionOf(highlight), PositionOf(ship) + glm::vec2(7000.0f, 3000.0f));
        EXPECT_EQ(circle->GetRadii(), glm::vec2(1000.0f, 500.0f)) << "only the x radius changes";
      }
      if (manager->GetStage() == 4)
      {
        EXPECT_EQ(PositionOf(highlight), glm::vec2(1000.0f, 0.0f));
        EXPECT_EQ(circle->GetRadii(), glm::vec2(2000.0f, 2000.0f));
      }
    }
  }
  ASSERT_EQ(changes.size(), 5u);
  const float expected[] = {3.0f, 8.0f, 13.0f, 18.0f, 23.0f};
  for (std::size_t index = 0; index < 5; ++index)
    EXPECT_NEAR(changes[index], expected[index], 2.5f * Step) << index;
  EXPECT_NEAR(time, 28.0f, 3.0f * Step);
  EXPECT_FALSE(highlight.IsValid());
  EXPECT_TRUE(ship->GetComponent<Rigidbody>()->IsActive());

  // Again, with Return held from before: skipped only by the next press.
  ship->GetComponent<Rigidbody>()->SetActive(false);
  Frame({TestEvents::Key(SDLK_RETURN, true)});
  const Handle<GameObject> second = Make("TestOverworldTutorial");
  Frames(10);
  EXPECT_TRUE(second.IsValid()) << "skipped by the key held when it began";
  EXPECT_FALSE(ship->GetComponent<Rigidbody>()->IsActive());
  Frame({TestEvents::Key(SDLK_RETURN, false)});
  Frame({TestEvents::Key(SDLK_SPACE, true)});
  Frame({TestEvents::Key(SDLK_SPACE, false)});
  Frame();
  EXPECT_FALSE(second.IsValid());
  EXPECT_TRUE(ship->GetComponent<Rigidbody>()->IsActive());
}

TEST_F(InterfaceScene, ActionHintShowsWithinFiveHundredUnitsOfThePlayer)
{
  // The hint switches its picture on as it wakes, though its prefab leaves it hidden.
  EXPECT_TRUE(Make("EN_ActionHint", {0.0f, -900.0f})->GetComponent<Sprite>()->GetDraw());
  const Handle<GameObject> player = Make("Empty", {0.0f, 0.0f}, "Player1");
  Define("TestHinted", R"({"ActionHintController": null})");
  const Handle<GameObject> station = Make("TestHinted", {499.0f, 0.0f});
  Frame();
  const Handle<GameObject> hint = station->GetComponent<ActionHintController>()->GetHint();
  ASSERT_TRUE(hint);
  EXPECT_EQ(PositionOf(hint), glm::vec2(499.0f, 128.0f));
  EXPECT_TRUE(hint->GetComponent<Sprite>()->GetDraw());
  player->GetTransform()->SetWorldPosition(-1.0f, 0.0f);
  Frame();
  EXPECT_FALSE(hint->GetComponent<Sprite>()->GetDraw());
  // Made again when it dies.
  QueueRemoval(hint);
  Frames(2);
  EXPECT_TRUE(station->GetComponent<ActionHintController>()->GetHint());
}
