#pragma once
// Game objects that a test builds by hand rather than through the factory, their teardown, and
// the members of a component as the inspector and the files see them.
#include "core/Handle.h"
#include "object/MemberList.h"

#include <glm/glm.hpp>

#include <string>
#include <vector>

class Component;
class GameObject;
class PhysicsModule;
class Space;

// An object called `name` with a Transform at `position`, in `space` (may be null), listed in
// `objects` for DestroyHandMadeObjects.
Handle<GameObject> MakeHandMadeObject(glm::vec2 position, const std::string& name, Space* space,
                                      std::vector<Handle<GameObject>>& objects);

// Takes each listed object that still lives out of the physics module, destroys every one and
// empties the list.
void DestroyHandMadeObjects(std::vector<Handle<GameObject>>& objects, PhysicsModule& physics);

// A bare object called `name`, made the way the factory makes them, in no space.
Handle<GameObject> MakeBareObject(const std::string& name = "object");

