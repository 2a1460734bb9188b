#include "app/SpaceDebugDraw.h"

#include "render/Graphics.h"

#include <cmath>

namespace
{
// Rotation by `angle` then translation to `centre`, in the renderer's glm layout.
glm::mat3 Placement(glm::vec2 centre, float angle)
{
  const float cosine = std::cos(angle);
  const float sine = std::sin(angle);
  glm::mat3 placement(1.0f);
  placement[0][0] = cosine;
  placement[0][1] = sine;
  placement[1][0] = -sine;
  placement[1][1] = cosine;
  placement[2][0] = centre.x;
  placement[2][1] = centre.y;
  return placement;
}
}  // namespace

void SpaceDebugDraw::DrawLine(glm::vec2 start, glm::vec2 direction, float length, const fColor& colour)
{
  renderer.DebugDrawLine(start, direction, length, &space, colour);
}

void SpaceDebugDraw::DrawCircle(glm::vec2 centre, float diameter, const fColor& colour)
{
  renderer.DebugDrawCircle(Placement(centre, 0.0f), diameter, &space, colour);
}

void SpaceDebugDraw::DrawRectangle(glm::vec2 centre, glm::vec2 size, float rotation, const fColor& colour)
{
  renderer.DebugDrawRect(Placement(centre, rotation), size, &space, colour);
}
