#pragma once
// Where a drawing component files its records each frame: the renderer's buffer for one
// {space, layer, pass}, found through the renderer's maps once and then kept. It is found again
// when the component draws with another renderer, layer or space, or after the renderer dropped
// buffers (Graphics::GetBufferEpoch changed), so a kept buffer is never one that is gone.
#include <cstdint>

class InstanceBuffer;

namespace Graphics
{
class Graphics;
class RenderSpace;
struct Layer;
class Pass;

class InstanceTarget
{
public:
  // Whether what was found with `renderer` still holds: same renderer, no buffer dropped since.
  // Layers are replaced only where buffers are dropped, so a layer found then holds as long.
  bool IsCurrent(const Graphics& renderer) const;
  // The buffer of the pass of that name on the layer in the space; null (reported once by the
  // renderer) when the layer, the pass or the space is missing.
  InstanceBuffer* Get(Graphics& renderer, Layer* layer, const char* passName, RenderSpace* space);
  // Forgets what was found.
  void Reset() { renderer = nullptr; }

private:
  const Graphics* renderer = nullptr;
  std::uint64_t epoch = 0;
  Layer* layer = nullptr;
  RenderSpace* space = nullptr;
  InstanceBuffer* buffer = nullptr;
};
}  // namespace Graphics
