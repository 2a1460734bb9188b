#pragma once
// What a ray cast met: how far along the ray, where, and which object (null on a miss).
#include "core/Handle.h"

#include <glm/vec2.hpp>

class GameObject;

struct RayCastResult
{
  float distance = 0.0f;
  glm::vec2 point{0.0f, 0.0f};
  Handle<GameObject> object;
};
