// Detectors worked through the input layer: the exact edge events a click, a cancelled press, a
// held key and a paused space give, and the all-enemies detector that reports once in its life.
#include "FlowScene.h"

#include "input/DetectorEvents.h"
#include "object/ObjectEvents.h"

namespace
{
// The detector edges that reach one object, by short name.
void WatchEdges(EventLog& log, std::uint32_t object)
{
  log.Watch<DetectorHoverBeginEvent>(object, "HoverBegin");
  log.Watch<DetectorHoverPersistedEvent>(object, "HoverPersisted");
  log.Watch<DetectorHoverEndEvent>(object, "HoverEnd");
  log.Watch<DetectorTriggerBeginEvent>(object, "TriggerBegin");
  log.Watch<DetectorTriggerPersistedEvent>(object, "TriggerPersisted");
  log.Watch<DetectorTriggerEndEvent>(object, "TriggerEnd");
}

using Edges = std::vector<std::string>;
}  // namespace

class DetectorTest : public FlowScene
{
protected:
  void SetUp() override
  {
    SKIP_WITHOUT_GL();
    Json::Value button;
    Json::Reader().parse(R"({"Transform": null, "ClickDetector": null,
      "RectangleCollider": {"scale": [384, 72], "group": "GUI", "ghost": true}})", button);
    session->GetFactory().DefinePrefab("TestButton", button, "test");
    Json::Value watcher;
    Json::Reader().parse(R"({"Transform": null, "KeyDetector": {"Key": 65}, "AllEnemyDeathDetector": null})", watcher);
    session->GetFactory().DefinePrefab("TestWatcher", watcher, "test");
    space = session->GetSpace("Test", "blank");
    Handle<GameObject> made;
    session->GetFactory().CreateGameObject(made, "Camera", space, "Camera");
    Frame();
  }
};

TEST_F(DetectorTest, AClickGivesHoverAndTriggerEdgesAndLeavingWhilePressedCancelsIt)
{
  EventLog edges;
  WatchEdges(edges, Make("TestButton", glm::vec2(-240.0f, 140.0f))->GetId());

  MouseTo(PixelX(-240), PixelY(140));
  Frame();
  Frame({TestEvents::MouseButton(SDL_BUTTON_LEFT, true)});
  Frame();
  Frame({TestEvents::MouseButton(SDL_BUTTON_LEFT, false)});
  EXPECT_EQ(edges.Take(), (Edges{"HoverBegin", "HoverPersisted", "HoverPersisted", "TriggerBegin", "HoverPersisted",
                                 "TriggerPersisted", "HoverPersisted", "TriggerEnd"}));

  // Pressed inside, let go outside: the hover ends and the press is dropped.
  Frame({TestEvents::MouseButton(SDL_BUTTON_LEFT, true)});
  MouseTo(PixelX(-240), PixelY(400));
  Frame({TestEvents::MouseButton(SDL_BUTTON_LEFT, false)});
  EXPECT_EQ(edges.Take(), (Edges{"HoverPersisted", "TriggerBegin", "HoverEnd"}));

  // Pressed on the button as the pointer flicks off it within one frame: the press counts where it
  // was made.
  Frame({TestEvents::MouseButton(SDL_BUTTON_LEFT, true, PixelX(-240), PixelY(140)),
         TestEvents::MouseMotion(PixelX(-240), PixelY(400), 0, 0)});
  Frame({TestEvents::MouseButton(SDL_BUTTON_LEFT, false, PixelX(-240), PixelY(400))});
  EXPECT_EQ(edges.Take(), (Edges{"HoverBegin", "TriggerBegin", "HoverEnd"}));

  // A paused space sends nothing, and its detectors keep their state.
  space->SetPaused(true);
  MouseTo(PixelX(-240), PixelY(140));
  Frame({TestEvents::MouseButton(SDL_BUTTON_LEFT, true)});
  Frame({TestEvents::MouseButton(SDL_BUTTON_LEFT, false)});
  EXPECT_TRUE(edges.Take().empty());
  space->Unpause();
  Frame();
  EXPECT_EQ(edges.Take(), Edges{"HoverBegin"});
}

TEST_F(DetectorTest, AHeldKeyTriggersOnceAndTheEnemyDetectorReportsOnceInItsLife)
{
  // The key is 'A' (65): the letter keys are named by their capitals too.
  EventLog edges;
  WatchEdges(edges, Make("TestWatcher", glm::vec2(0.0f, 0.0f))->GetId());

  // A living enemy holds the detector back; once it is gone the detector fires, and never again.
  Handle<GameObject> enemy;
  session->GetFactory().CreateGameObject(enemy, "Default", space, "Enemy");
  registry->GetObjects(RegistryType::ENEMIES).push_back(enemy);
  Frames(3);
  EXPECT_TRUE(edges.Take().empty()) << "an enemy still lives";
  GameObject::Destroy(enemy);
  Frames(3);
  EXPECT_EQ(edges.Take(), (Edges{"TriggerBegin", "TriggerEnd"})) << "the dead enemy's entry does not count";
  Frames(3);
  EXPECT_TRUE(edges.Take().empty()) << "nothing re-arms it";

  Frame({TestEvents::Key(SDLK_a, true)});
  Frames(5);
  Frame({TestEvents::Key(SDLK_a, false)});
  EXPECT_EQ(edges.Take(), (Edges{"TriggerBegin", "TriggerEnd"}));
}
