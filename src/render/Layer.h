#pragma once
// One draw layer: its own window-sized texture that every pass draws the layer's records into,
// composed with the other layers by rising depth.
#include <memory>
#include <string>

namespace Graphics
{
class Texture;

struct Layer
{
  Layer(std::string layerName, float layerDepth, std::unique_ptr<Texture> layerTarget);
  ~Layer();
  Layer(const Layer&) = delete;
  Layer& operator=(const Layer&) = delete;

  float ambient = 1.0f;  // the light pass darkens the layer to this level where no light reaches
  std::string name;
  float depth;
  bool sortByY = false;  // the instanced pass draws this layer's records back to front by sortY
  std::unique_ptr<Texture> target;
};

// Orders layers by depth; depths are distinct, so it also tells layers apart.
struct LayerDepthCompare
{
  bool operator()(const Layer* a, const Layer* b) const { return a->depth < b->depth; }
};
}  // namespace Graphics
