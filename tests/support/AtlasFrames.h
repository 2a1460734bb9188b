#pragma once
// The shipped pictures with their frame counts for the length of a test (a hidden GL context
// holds the atlas): sprites then animate through their real frames, as spawn pads and walk cycles
// need. Without GL nothing is loaded and every sprite keeps one frame.
#include "render/ResourceManagerTwo.h"
#include "support/HeadlessGl.h"

class AtlasFrames
{
public:
  AtlasFrames() : loaded(HeadlessGl::Get() != nullptr && ResourceManagerTwo::LoadResources("Assets\\RESOURCES.json"))
  {
  }
  ~AtlasFrames()
  {
    if (HeadlessGl::Get() != nullptr)
      ResourceManagerTwo::UnloadAll();
  }
  AtlasFrames(const AtlasFrames&) = delete;
  AtlasFrames& operator=(const AtlasFrames&) = delete;

  const bool loaded;
};
