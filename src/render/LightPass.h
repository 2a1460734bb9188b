#pragma once
// Lights a layer: every light record of the layer is added into a window-sized light texture
// that starts at the layer's ambient level, and the layer's colour is then multiplied by it.
// What no light reaches falls to the ambient level; the 8-bit texture saturates at 1, so lights
// lift the darkness but never make a layer brighter than it was drawn.
#include "render/Layer.h"
#include "render/Pass.h"

#include <GL/glew.h>

#include <memory>

namespace Graphics
{
class Shader;

class LightPass : public Pass
{
public:
  static constexpr float Order = 60.0f;

  LightPass();
  ~LightPass() override;

  // Builds the layer's light texture, which Render then multiplies the layer by.
  void Prepare(Layer* layer, InstanceBuffer* buffer) override;
  void Render(Texture* screen, Texture* target, Layer* layer, InstanceBuffer* buffer) override;
  bool AppendContent(const InstanceBuffer& buffer, const Layer& layer, std::vector<unsigned char>& content) override
  {
    Append(content, &layer.ambient, sizeof(layer.ambient));
    AppendRecords(content, buffer);
    return true;
  }

  // The light texture of the latest layer drawn; for tests and tools.
  Texture* GetLightTexture() const { return lightTexture.get(); }

private:
  Shader* maskShader = nullptr;
  Shader* lightShader = nullptr;  // loaded for the light polygons, which draw with it
  std::unique_ptr<Texture> lightTexture;
  GLuint vertexArray = 0;
  GLuint quadBuffer = 0;
  GLuint instanceBuffer = 0;
  GLint ambienceLocation = -1;
  GLint projectionLocation = -1;
  bool maskReady = false;  // Prepare ran for the coming Render
};
}  // namespace Graphics
