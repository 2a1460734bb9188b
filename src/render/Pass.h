#pragma once
// A render pass: draws the records one layer received this frame into that layer's texture.
// Within a layer the passes run by rising `order`, which also tells them apart.
class InstanceBuffer;

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

  // Draws `buffer`'s records into `target`, then empties `buffer`.
  virtual void Render(Texture* screen, Texture* target, Layer* layer, InstanceBuffer* buffer) = 0;
  // Once per frame, after the layers are composed.
  virtual void EndFrame() {}

  // The renderer that runs this pass; set when the pass is added, read for the projection.
  void SetRenderer(Graphics* owner) { renderer = owner; }

  float order;

protected:
  Graphics* renderer = nullptr;
};

struct PassOrderCompare
{
  bool operator()(const Pass* a, const Pass* b) const { return a->order < b->order; }
};
}  // namespace Graphics
