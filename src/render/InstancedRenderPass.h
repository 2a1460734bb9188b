#pragma once
// Draws every textured quad of a layer (sprites, arms, dialogue boxes) with one upload and one
// instanced draw of a unit quad, each instance textured from the one atlas, through a framebuffer
// of its own that holds a window-sized depth buffer beside the layer's texture.
#include "render/InstanceData.h"
#include "render/Pass.h"

#include <GL/glew.h>

#include <cstdint>
#include <memory>
#include <vector>

namespace Graphics
{
class Framebuffer;
class Renderbuffer;
class Shader;

class InstancedRenderPass : public Pass
{
public:
  static constexpr float Order = 1.0f;

  explicit InstancedRenderPass(Texture* atlasTexture);
  ~InstancedRenderPass() override;

  void Render(Texture* screen, Texture* target, Layer* layer, InstanceBuffer* buffer) override;
  // Clears the depth buffer.
  void EndFrame() override;
  bool AppendContent(const InstanceBuffer& buffer, const Layer& layer, std::vector<unsigned char>& content) override;

private:
  struct SortKey
  {
    float sortY;
    std::uint32_t index;  // the record's place in the buffer
  };
  // Uploads the records into the bound array buffer ordered by sortY, greatest first.
  void UploadSorted(const InstanceData* records, std::uint32_t count);

  Texture* atlas;
  std::unique_ptr<Shader> shader;
  // Depth testing stays off: records are drawn in buffer order, later over earlier.
  std::unique_ptr<Renderbuffer> depth;
  std::unique_ptr<Framebuffer> framebuffer;
  GLint atlasLocation = -1;
  GLint underLocation = -1;
  GLint projectionLocation = -1;
  GLuint instanceBuffer = 0;
  GLuint quadBuffer = 0;
  GLuint vertexArray = 0;
  std::vector<SortKey> keys;         // kept for their capacity
  std::vector<InstanceData> sorted;  // only where the GL buffer cannot be mapped
};
}  // namespace Graphics
