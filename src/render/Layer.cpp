#include "render/Layer.h"

#include "render/Texture.h"

namespace Graphics
{
Layer::Layer(std::string layerName, float layerDepth, std::unique_ptr<Texture> layerTarget)
    : name(std::move(layerName)), depth(layerDepth), target(std::move(layerTarget))
{
}

Layer::~Layer() = default;
}  // namespace Graphics
