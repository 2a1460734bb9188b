#include "render/LayerCache.h"

namespace Graphics
{
void LayerCache::BeginFrame(std::uint64_t epoch)
{
  if (epoch != lastEpoch)
  {
    entries.clear();
    lastComposed.clear();
    lastEpoch = epoch;
    drawnThisFrame = true;
    return;
  }
  for (auto& [layer, entry] : entries)
  {
    entry.begun = false;
    entry.described = true;
  }
  drawnThisFrame = false;
}

std::vector<unsigned char>& LayerCache::Describe(Layer* layer, const void* header, std::size_t headerSize)
{
  Entry& entry = entries[layer];
  if (!entry.begun)
  {
    entry.begun = true;
    entry.next.clear();
    const auto* first = static_cast<const unsigned char*>(header);
    entry.next.insert(entry.next.end(), first, first + headerSize);
  }
  return entry.next;
}

void LayerCache::MarkUndescribed(Layer* layer)
{
  entries[layer].described = false;
}

bool LayerCache::Holds(Layer* layer) const
{
  const auto found = entries.find(layer);
  if (found == entries.end())
    return false;
  const Entry& entry = found->second;
  return entry.holding && entry.described && entry.begun && entry.held == entry.next;
}

void LayerCache::Drawn(Layer* layer)
{
  Entry& entry = entries[layer];
  entry.held.swap(entry.next);
  entry.holding = entry.described && entry.begun;
  drawnThisFrame = true;
}

void LayerCache::Forget(Layer* layer)
{
  entries.erase(layer);
  drawnThisFrame = true;
}

bool LayerCache::ComposeNeeded(const std::vector<Layer*>& composed) const
{
  return drawnThisFrame || composed != lastComposed;
}

void LayerCache::Composed(const std::vector<Layer*>& composed)
{
  lastComposed = composed;
}
}  // namespace Graphics
