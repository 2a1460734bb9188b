#pragma once
// Making the objects gameplay leaves behind (effects, blasts, feedback numbers) from their
// prefabs. The factory makes a bare object of a name it does not know, which nothing would ever
// remove; these refuse such a name instead, saying so once per name.
#include "core/Handle.h"

#include <glm/vec2.hpp>
#include <string>

class GameObject;
class Space;

// Whether there is a factory that can make the prefab; when there is not, says so once per name.
bool CanSpawn(const std::string& prefab);
// The woken object at that world position; empty when there is no factory or no such prefab.
Handle<GameObject> SpawnAt(const std::string& prefab, Space* space, glm::vec2 position,
                           const std::string& name = "");
// The same where the prefab puts it.
Handle<GameObject> Spawn(const std::string& prefab, Space* space, const std::string& name = "");
