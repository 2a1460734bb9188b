#include "render/InstanceTarget.h"

#include "render/Graphics.h"

namespace Graphics
{
bool InstanceTarget::IsCurrent(const Graphics& current) const
{
  return renderer == &current && epoch == current.GetBufferEpoch();
}

InstanceBuffer* InstanceTarget::Get(Graphics& current, Layer* currentLayer, const char* passName, RenderSpace* currentSpace)
{
  if (IsCurrent(current) && layer == currentLayer && space == currentSpace && buffer != nullptr)
    return buffer;
  buffer = current.GetBuffer(currentLayer, current.GetPass(passName), currentSpace);
  renderer = &current;
  epoch = current.GetBufferEpoch();
  layer = currentLayer;
  space = currentSpace;
  return buffer;
}
}  // namespace Graphics
