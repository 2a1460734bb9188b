#pragma once
// Draws the particle systems filed for a layer: per system, in filing order, one upload of its
// live particles and one instanced draw of textured quads, with the system's own blend mode,
// picture and camera. Free pool slots are neither uploaded nor drawn.
#include "render/Particle.h"
#include "render/Pass.h"

#include <GL/glew.h>

#include <memory>
#include <vector>

namespace Graphics
{
class Shader;

class ParticleSystemRenderer : public Pass
{
public:
  static constexpr float Order = 30.0f;

  explicit ParticleSystemRenderer(Texture* atlasTexture);
  ~ParticleSystemRenderer() override;

  void Render(Texture* screen, Texture* target, Layer* layer, InstanceBuffer* buffer) override;
  bool AppendContent(const InstanceBuffer& buffer, const Layer& layer, std::vector<unsigned char>& content) override;

  // The blend factors (source, destination) of a system's "blendMode".
  static void BlendFactors(int blendMode, GLenum& source, GLenum& destination);

private:
  Texture* atlas;
  Shader* shader = nullptr;
  GLuint vertexArray = 0;
  GLuint quadBuffer = 0;
  GLuint instanceBuffer = 0;
  GLint projectionLocation = -1;
  GLint atlasLocation = -1;
  GLint uvCoordinatesLocation = -1;
  GLint cameraLocation = -1;
  GLint worldPositionLocation = -1;
  std::vector<Particle> live;  // the system being drawn's live particles, kept for its capacity
};
}  // namespace Graphics
