#pragma once
// A space to put lights and particle systems in, on the bare engine (support/ScopedEngine): a Space
// with its own physics module, and objects built by hand and woken in their initialisation order.
#include "core/EventManager.h"
#include "core/MemoryManager.h"
#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/Space.h"
#include "object/Transform.h"
#include "physics/PhysicsModule.h"
#include "support/HandMadeObjects.h"
#include "support/ScopedEngine.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

class LightsAndParticlesScene : public ScopedEngine
{
public:
  LightsAndParticlesScene() : ScopedEngine(EventsOnly)
  {
    space = std::make_unique<Space>("Level");
    physics = PhysicsModule::Of(space.get());
  }

  ~LightsAndParticlesScene() override
  {
    DestroyHandMadeObjects(objects, *physics);
    space.reset();
    EXPECT_EQ(asserts.Count(), expectedAsserts) << "checks failed unexpectedly";
  }
  LightsAndParticlesScene(const LightsAndParticlesScene&) = delete;
  LightsAndParticlesScene& operator=(const LightsAndParticlesScene&) = delete;

  // An object of the space with a Transform at `position`.
  Handle<GameObject> MakeObject(glm::vec2 position, const std::string& name = "object")
  {
    return MakeHandMadeObject(position, name, space.get(), objects);
  }

  // Attaches a new component of class T; woken later with Wake, or at once by the caller.
  template <typename T>
  T* Add(const Handle<GameObject>& object)
  {
    auto* component = MemoryManager::New<T>(BRINDLE_SITE);
    object->AttachComponent(component);
    return component;
  }

  // The per-frame events the session sends to the space; delivery frees them.
  void Update(float dt, float loopTime = 0.0f)
  {
    events->SendEvent(MemoryManager::New<UpdateEvent>(BRINDLE_SITE, space->GetId(), dt, loopTime));
  }
  void Draw(Graphics::Graphics* renderer)
  {
    events->SendEvent(MemoryManager::New<DrawEvent>(BRINDLE_SITE, space->GetId(), renderer));
  }

  std::size_t expectedAsserts = 0;
  std::unique_ptr<Space> space;
  PhysicsModule* physics = nullptr;
  std::vector<Handle<GameObject>> objects;
};
