#pragma once
// Forwards a space's physics outlines and rays to the renderer's debug layer of that space. The
// session gives one to each space's physics module while the space lives.
#include "physics/PhysicsDebugDraw.h"

namespace Graphics
{
class Graphics;
class RenderSpace;
}  // namespace Graphics

class SpaceDebugDraw : public PhysicsDebugDraw
{
public:
  SpaceDebugDraw(Graphics::Graphics& renderer, Graphics::RenderSpace& space) : renderer(renderer), space(space) {}

  void DrawLine(glm::vec2 start, glm::vec2 direction, float length, const fColor& colour) override;
  void DrawCircle(glm::vec2 centre, float diameter, const fColor& colour) override;
  void DrawRectangle(glm::vec2 centre, glm::vec2 size, float rotation, const fColor& colour) override;

private:
  Graphics::Graphics& renderer;
  Graphics::RenderSpace& space;
};
