// Detectors worked through the input layer: the exact edge events a click, a cancelled press, a
// held key and a paused space give, and the all-enemies detector that reports once in its life.
#include "FlowScene.h"

#include "input/DetectorEvents.h"
#include "object/ObjectEvents.h"

namespace
{
// The detector events that reach one object, by short name.
class EdgeLog : public Listener
{
public:
  explicit EdgeLog(std::uint32_t object) : Listener(1002)
  {
    EventManager* events = EventManager::Instance();
    events->Subscribe<EdgeLog, DetectorHoverBeginEvent>(this, object);
    events->Subscribe<EdgeLog, DetectorHoverPersistedEvent>(this, object);
    events->Subscribe<EdgeLog, DetectorHoverEndEvent>(this, object);
    events->Subscribe<EdgeLog, DetectorTriggerBeginEvent>(this, object);
    events->Subscribe<EdgeLog, DetectorTriggerPersistedEvent>(this, object);
    events->Subscribe<EdgeLog, DetectorTriggerEndEvent>(this, object);
  }
  void On(DetectorHoverBeginEvent*) { edges.push_back("HoverBegin"); }
  void On(DetectorHoverPersistedEvent*) { edges.push_back("HoverPersisted"); }
  void On(DetectorHoverEndEvent*) { edges.push_back("HoverEnd"); }
  void On(DetectorTriggerBeginEvent*) { edges.push_back("TriggerBegin"); }
  void On(DetectorTriggerPersistedEvent*) { edges.push_back("TriggerPersisted"); }
  void On(DetectorTriggerEndEvent*) { edges.push_back("TriggerEnd"); }

  // The edges since the last call.
  std::vector<std::string> Take() { return std::exchange(edges, {}); }

private:
  std::vector<std::string> edges;
};

using Edges = std::vector<std::string>;
}  // namespace

class DetectorTest : public FlowScene
{
protected:
  void SetUp() override
  {
    FlowScene::SetUp();
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

  GameObject* Make(const std::string& prefab, glm::vec2 position)
  {
    Handle<GameObject> made;
    session->GetFactory().CreateGameObjectAt(made, prefab, space, position.x, position.y, prefab);
    return made.Get();
  }

  Space* space = nullptr;
};

TEST_F(DetectorTest, AClickGivesHoverAndTriggerEdgesAndLeavingWhilePressedCancelsIt)
{
  EdgeLog edges(Make("TestButton", glm::vec2(-240.0f, 140.0f))->GetId());

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
  EdgeLog edges(Make("TestWatcher", glm::vec2(0.0f, 0.0f))->GetId());

  // No enemy registered: the enemy detector fires on its first update, and then never again.
  Frame();
  Frame();
  EXPECT_EQ(edges.Take(), (Edges{"TriggerBegin", "TriggerEnd"}));
  Handle<GameObject> enemy;
  session->GetFactory().CreateGameObject(enemy, "Default", space, "Enemy");
  registry.GetObjects(RegistryType::ENEMIES).push_back(enemy);
  Frame();
  GameObject::Destroy(enemy);
  Frames(3);
  EXPECT_TRUE(edges.Take().empty()) << "the dead enemy's entry does not count, and nothing re-arms it";

  Frame({TestEvents::Key(SDLK_a, true)});
  Frames(5);
  Frame({TestEvents::Key(SDLK_a, false)});
  EXPECT_EQ(edges.Take(), (Edges{"TriggerBegin", "TriggerEnd"}));
}
