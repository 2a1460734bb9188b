#pragma once
// Draws the light polygons filed for a layer as soft glows: each Light's fan, fading from its
// colour at the centre to nothing at its radius, added onto the layer after the layer has been
// lit. Obstacles cut the glow where the light's rays stopped.
#include "render/Pass.h"

#include <GL/glew.h>

#include <memory>

namespace Graphics
{
class Shader;

class LightPolygonPass : public Pass
{
public:
  static constexpr float Order = 65.0f;

  LightPolygonPass();
  ~LightPolygonPass() override;

  void Render(Texture* screen, Texture* target, Layer* layer, InstanceBuffer* buffer) override;
  bool AppendContent(const InstanceBuffer& buffer, const Layer& layer, std::vector<unsigned char>& content) override;

private:
  Shader* shader = nullptr;  // "LightShader", which the light pass loads
  GLuint vertexArray = 0;
  GLuint vertexBuffer = 0;
  GLint projectionLocation = -1;
  GLint cameraLocation = -1;
  GLint centreLocation = -1;
  GLint radiusLocation = -1;
  GLint colorLocation = -1;
};
}  // namespace Graphics
