#pragma once
// What each layer's target holds: the content its passes last drew into it. A frame describes
// every layer in use first; a layer whose description equals what its target holds is not drawn
// again, and a frame in which no layer was drawn and the same layers are in use keeps the
// composed picture too. Most of a frame's layers (the floor, walls, lamps, the interface) do not
// change from one frame to the next.
#include <cstdint>
#include <map>
#include <vector>

namespace Graphics
{
struct Layer;

class LayerCache
{
public:
  // Starts describing a frame. Everything held is forgotten when `epoch` (the renderer's buffer
  // epoch) changed: layers and passes may have been replaced.
  void BeginFrame(std::uint64_t epoch);
  // The description of `layer` for this frame, begun with `header` on first use in the frame.
  std::vector<unsigned char>& Describe(Layer* layer, const void* header, std::size_t headerSize);
  // A pass of the layer could not describe what it draws: the layer is drawn.
  void MarkUndescribed(Layer* layer);
  // Whether the layer's target already holds what this frame's description asks for.
  bool Holds(Layer* layer) const;
  // The layer's target now holds this frame's description.
  void Drawn(Layer* layer);
  // The layer's target was cleared, or holds something no description tells.
  void Forget(Layer* layer);

  // Whether the composite picture must be made again: some layer was drawn this frame, or the
  // layers composed differ from the last composition's.
  bool ComposeNeeded(const std::vector<Layer*>& composed) const;
  void Composed(const std::vector<Layer*>& composed);

private:
  struct Entry
  {
    std::vector<unsigned char> held;
    std::vector<unsigned char> next;
    bool holding = false;   // `held` tells what the target shows
    bool described = true;  // `next` tells all this frame draws
    bool begun = false;     // `next` was begun this frame
  };

  std::map<Layer*, Entry> entries;
  std::vector<Layer*> lastComposed;
  std::uint64_t lastEpoch = 0;
  bool drawnThisFrame = true;
};
}  // namespace Graphics
