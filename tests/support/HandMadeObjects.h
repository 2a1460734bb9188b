#pragma once
// Game objects that a test builds by hand rather than through the factory, and their teardown.
#include "core/Handle.h"

#include <glm/glm.hpp>

#include <string>
#include <vector>

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
