#pragma once
// What a space and its objects ask of the space's physics: the object model knows no more of the
// physics than this, so it stays below it. PhysicsModule implements it.
//
// Every space gets its physics from the installed maker when it is made; the session installs
// the physics module's maker (PhysicsModule::Make), and so do the tests' and benchmarks' own
// start-up. Without a maker a space has no physics, and physics components say so on waking.
#include "core/Handle.h"

#include <cstdint>
#include <memory>

class Component;
class GameObject;
class Space;
class Transform;

class SpacePhysics
{
public:
  using Maker = std::unique_ptr<SpacePhysics> (*)(Space& space);

  virtual ~SpacePhysics() = default;

  // A waking Transform is filed with its space's physics.
  virtual void AddTransform(Transform* transform, const Handle<GameObject>& object) = 0;
  // Called before the space deletes the object; an id without a record is ignored.
  virtual void RemoveObject(std::uint32_t objectId) = 0;
  // The object lost one component (the editor removes single components): whatever the physics
  // kept of it goes before it is deleted.
  virtual void RemoveComponent(std::uint32_t objectId, const Component* component) = 0;
  // Refiles the object at its present position (dt 0 when it was moved by hand).
  virtual void UpdateObject(std::uint32_t objectId, float dt) = 0;

  static void SetMaker(Maker maker);
  // The physics for a new space, or null when no maker is installed.
  static std::unique_ptr<SpacePhysics> MakeFor(Space& space);
};
