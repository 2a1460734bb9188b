#pragma once
// The "Memory Profile" debug window: one bar per pool of the memory manager, in object-size order,
// filled by the blocks in use, with the pool's counts in a tooltip. The editor's "Memory" menu
// item opens it; its close box shuts it.
#include <cstddef>
#include <cstdint>

class MemoryManager;
class Pool;
struct ImDrawList;
struct ImVec2;

class MemoryProfileWindow
{
public:
  static constexpr float BarWidth = 30.0f;
  static constexpr float BarHeight = 50.0f;

  // Draws the window for the memory manager in force, once per frame inside the ImGui pass.
  void Draw();
  void Draw(const MemoryManager* manager);

  // The filled part of a bar, from its top: the blocks in use against a page of 1000.
  static float FilledHeight(std::uint32_t inUseCount, float zoom);

  std::size_t BarsDrawnLastFrame() const { return barsDrawn; }

  bool open = false;
  float zoom = 1.0f;

private:
  void DrawPool(const Pool& pool, std::uint32_t objectSize, float offset, const ImVec2& origin, ImDrawList& drawList);

  std::size_t barsDrawn = 0;
};
