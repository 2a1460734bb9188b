#pragma once
// A space's physics on the bare engine (support/ScopedEngine): one space with its physics module,
// objects built by hand with a Transform, an optional Rigidbody and a collider, and a recorder of
// every CollisionEvent delivered to the objects it watches.
#include "core/MemoryManager.h"
#include "object/GameObject.h"
#include "object/GameobjectFactory.h"
#include "object/Space.h"
#include "object/Transform.h"
#include "physics/CircleCollider.h"
#include "physics/PhysicsDebugDraw.h"
#include "physics/PhysicsEvents.h"
#include "physics/PhysicsModule.h"
#include "physics/RectangleCollider.h"
#include "physics/Rigidbody.h"
#include "support/EventRecorder.h"
#include "support/HandMadeObjects.h"
#include "support/ScopedEngine.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

struct RecordedCollision
{
  std::uint32_t receiver;
  std::uint32_t self;
  std::uint32_t other;
  std::uint32_t otherGroup;
};

class CollisionRecorder : public EventRecorder<CollisionEvent, RecordedCollision>
{
public:
  CollisionRecorder()
      : EventRecorder([](const CollisionEvent& event) {
          return RecordedCollision{event.GetChannel(), event.self->GetId(), event.other->GetId(), event.otherGroup};
        })
  {
  }
  void Watch(const Handle<GameObject>& object) { EventRecorder::Watch(object->GetId()); }
};

class RecordingDrawer : public PhysicsDebugDraw
{
public:
  struct Line
  {
    glm::vec2 start;
    glm::vec2 direction;
    float length;
    fColor colour;
  };
  void DrawLine(glm::vec2 start, glm::vec2 direction, float length, const fColor& colour) override
  {
    lines.push_back({start, direction, length, colour});
  }
  void DrawCircle(glm::vec2, float, const fColor& colour) override { circles.push_back(colour); }
  void DrawRectangle(glm::vec2, glm::vec2, float, const fColor& colour) override { rectangles.push_back(colour); }
  std::vector<Line> lines;
  std::vector<fColor> circles;
  std::vector<fColor> rectangles;
};

class PhysicsSceneTest : public EngineTest
{
protected:
  explicit PhysicsSceneTest(unsigned systems = EventsOnly) : EngineTest(systems)
  {
    space = std::make_unique<Space>("PhysicsScene");
    module = PhysicsModule::Of(space.get());
    SpaceId = space->GetId();
  }

  ~PhysicsSceneTest() override
  {
    DestroyHandMadeObjects(objects, *module);
    space.reset();
  }

  Handle<GameObject> MakeObject(glm::vec2 position, const std::string& name = "object")
  {
    return MakeHandMadeObject(position, name, space.get(), objects);
  }

  Rigidbody* AddBody(const Handle<GameObject>& object)
  {
    auto* body = MemoryManager::New<Rigidbody>(BRINDLE_SITE);
    object->AttachComponent(body);
    body->OnAwake();
    return body;
  }

  CircleCollider* AddCircle(const Handle<GameObject>& object, float radius, CollisionGroup group)
  {
    auto* circle = MemoryManager::New<CircleCollider>(BRINDLE_SITE);
    circle->radius = radius;
    circle->group = group;
    object->AttachComponent(circle);
    circle->OnAwake();
    return circle;
  }

  RectangleCollider* AddRectangle(const Handle<GameObject>& object, glm::vec2 size, CollisionGroup group,
                                   bool mapFlag = false)
  {
    auto* rectangle = MemoryManager::New<RectangleCollider>(BRINDLE_SITE);
    rectangle->SetSize(size.x, size.y);
    rectangle->group = group;
    rectangle->mapFlag = mapFlag;
    object->AttachComponent(rectangle);
    rectangle->OnAwake();
    return rectangle;
  }

  // One fixed sub-step, whatever the accumulator holds.
  void StepOnce() { module->Step(module->timer.stepTime, 1); }

  static glm::vec2 PositionOf(const Handle<GameObject>& object) { return object->GetTransform()->GetWorldPosition(); }

  std::unique_ptr<Space> space;
  PhysicsModule* module = nullptr;  // the space's
  std::uint32_t SpaceId = 0;  // the space's channel
  std::vector<Handle<GameObject>> objects;
};

// The same, with a game-object factory of its own, for objects made from prefabs. Objects the
// factory made are listed in `made` and ended with the test.
class PhysicsFactoryTest : public PhysicsSceneTest
{
protected:
  PhysicsFactoryTest() : PhysicsSceneTest(WithFactory) {}
  ~PhysicsFactoryTest() override { DestroyHandMadeObjects(made, *module); }

  GameobjectFactory& factory = Factory();
  std::vector<Handle<GameObject>> made;
};
