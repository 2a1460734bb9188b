#pragma once
// The in-game interface on the real frame loop: the flow's scene (session with the shipped
// prefabs, input through the input layer, registry, sound, action system) with a playing space
// ("Encounter", the test level) and helpers to make objects in it and to count events.
#include "FlowScene.h"

#include "core/Log.h"
#include "core/Send.h"
#include "object/GameobjectFactory.h"
#include "object/Members.h"
#include "object/NamedObjects.h"
#include "support/CapturedLog.h"

#include <functional>
#include <json/json.h>

// Counts the events of type E sent or delivered on one channel.
template <typename E>
class EventCounter : public Listener
{
public:
  explicit EventCounter(std::uint32_t channel) : Listener(2000 + E::TypeId)
  {
    EventManager::Instance()->Subscribe<EventCounter<E>, E>(this, channel);
  }
  void On(E* event)
  {
    ++count;
    if (seen)
      seen(*event);
  }
  int count = 0;
  std::function<void(E&)> seen;
};

class InterfaceScene : public FlowScene
{
protected:
  void SetUp() override
  {
    FlowScene::SetUp();
    space = session->GetSpace("Encounter", "testlevel");
    Frame();
  }

  Handle<GameObject> Make(const std::string& prefab, glm::vec2 at = {0.0f, 0.0f}, const std::string& name = "",
                          Space* in = nullptr)
  {
    Handle<GameObject> object;
    session->GetFactory().CreateGameObjectAt(object, prefab, in != nullptr ? in : space, at.x, at.y,
                                             name.empty() ? prefab : name);
    return object;
  }

  // A prefab of the test's own, from its JSON definition.
  void Define(const std::string& prefab, const std::string& json)
  {
    Json::Value definition;
    ASSERT_TRUE(Json::Reader().parse(json, definition)) << json;
    session->GetFactory().DefinePrefab(prefab, definition, "test");
  }

  // Frames for that many seconds of game time.
  void Seconds(float seconds) { Frames(static_cast<int>(seconds / Step + 0.5f)); }

  static glm::vec2 At(const Handle<GameObject>& object) { return object->GetTransform()->GetWorldPosition(); }

  CapturedLog log;
  Space* space = nullptr;
};
