#pragma once
// Where the physics module's debug shapes go: collider outlines and ray lines. The session gives
// each space's module a drawer that forwards to the renderer's debug layer of that space; without
// one, nothing is drawn.
#include "core/fColor.h"

#include <glm/vec2.hpp>

class PhysicsDebugDraw
{
public:
  virtual ~PhysicsDebugDraw() = default;
  virtual void DrawLine(glm::vec2 start, glm::vec2 direction, float length, const fColor& colour) = 0;
  virtual void DrawCircle(glm::vec2 centre, float diameter, const fColor& colour) = 0;
  virtual void DrawRectangle(glm::vec2 centre, glm::vec2 size, float rotation, const fColor& colour) = 0;
};
