#pragma once
// A render pass: draws the records one layer received this frame into that layer's texture.
// Within a layer the passes run by rising `order`, which also tells them apart.
#include "render/InstanceBuffer.h"

#include <cstddef>
#include <vector>

namespace Graphics
{
class Graphics;
class Texture;
struct Layer;

class Pass
{
public:
  explicit Pass(float passOrder) : order(passOrder) {}
  virtual ~Pass() = default;
  Pass(const Pass&) = delete;
  Pass& operator=(const Pass&) = delete;

  // Does what the pass draws elsewhere than into the layer's target (an intermediate texture),
  // before anything of the layer's is drawn in that frame: the layer's target then takes all its
  // drawing in one stretch, which a software driver does in one batch. Render does it itself
  // when it was not called.
  virtual void Prepare(Layer*, InstanceBuffer*) {}
  // Draws `buffer`'s records into `target`, then empties `buffer`.
  virtual void Render(Texture* screen, Texture* target, Layer* layer, InstanceBuffer* buffer) = 0;
  // Once per frame, after the layers are composed.
  virtual void EndFrame() {}
  // Appends to `content` everything Render would draw from `buffer` on `layer` (records,
  // uniforms, textures' versions): equal content draws equal pixels, so a layer whose content
  // did not change since it was drawn keeps its picture. False when the pass cannot tell; the
  // layer is then drawn every frame.
  virtual bool AppendContent(const InstanceBuffer&, const Layer&, std::vector<unsigned char>&) { return false; }

  // The renderer that runs this pass; set when the pass is added, read for the projection.
  void SetRenderer(Graphics* owner) { renderer = owner; }

  float order;

protected:
  static void Append(std::vector<unsigned char>& content, const void* bytes, std::size_t size)
  {
    const auto* first = static_cast<const unsigned char*>(bytes);
    content.insert(content.end(), first, first + size);
  }
  // The records of `buffer` as they lie.
  static void AppendRecords(std::vector<unsigned char>& content, const InstanceBuffer& buffer)
  {
    Append(content, buffer.Data(), static_cast<std::size_t>(buffer.Count()) * buffer.ElementSize());
  }

  Graphics* renderer = nullptr;
};

struct PassOrderCompare
{
  bool operator()(const Pass* a, const Pass* b) const { return a->order < b->order; }
};
}  // namespace Graphics
