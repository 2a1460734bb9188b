#include "editor/MemoryProfileWindow.h"

#include "core/MemoryManager.h"
#include "core/Pool.h"

#include <imgui.h>

namespace
{
constexpr ImU32 InUseFill = 0xFF0000FF;     // opaque red (ImGui packs colours as ABGR)
constexpr ImU32 InUseOutline = 0xFF000000;  // opaque black
constexpr ImU32 BarOutline = 0xC800FF00;    // green, alpha 200
}  // namespace

float MemoryProfileWindow::FilledHeight(std::uint32_t inUseCount, float zoomFactor)
{
  return static_cast<float>(inUseCount) * BarHeight * zoomFactor / 1000.0f;
}

void MemoryProfileWindow::Draw()
{
  Draw(MemoryManager::Current());
}

void MemoryProfileWindow::Draw(const MemoryManager* manager)
{
  barsDrawn = 0;
  if (!open)
    return;
  if (ImGui::Begin("Memory Profile", &open))
  {
    ImGui::SliderFloat("Zoom", &zoom, 1.0f, 50.0f, "%.3f");
    ImGui::InputFloat2("mpos", &ImGui::GetIO().MousePos.x);
    const ImVec2 origin = ImGui::GetCursorScreenPos();
    ImDrawList& drawList = *ImGui::GetWindowDrawList();
    std::size_t index = 0;
    if (manager != nullptr)
    {
      for (const auto& [objectSize, pool] : manager->Pools())
      {
        if (pool == nullptr)
          continue;
        DrawPool(*pool, objectSize, BarWidth * static_cast<float>(index) * zoom, origin, drawList);
        ++index;
      }
    }
    // Room for the row of bars, so the window scrolls to all of them.
    ImGui::Dummy(ImVec2(BarWidth * static_cast<float>(index) * zoom, BarHeight * zoom));
  }
  ImGui::End();
}

void MemoryProfileWindow::DrawPool(const Pool& pool, std::uint32_t objectSize, float offset, const ImVec2& origin,
                                   ImDrawList& drawList)
{
  const ImVec2 top(origin.x + offset, origin.y);
  const ImVec2 bottom(top.x + BarWidth * zoom, top.y + BarHeight * zoom);
  const ImVec2 fillBottom(bottom.x, top.y + FilledHeight(pool.InUseCount(), zoom));
  drawList.AddRectFilled(top, fillBottom, InUseFill, 0.0f, ImDrawFlags_RoundCornersAll);
  drawList.AddRect(top, fillBottom, InUseOutline, 0.0f, ImDrawFlags_RoundCornersAll, 1.0f);
  drawList.AddRect(top, bottom, BarOutline, 0.0f, ImDrawFlags_RoundCornersAll, 1.0f);
  ++barsDrawn;

  if (ImGui::IsMouseHoveringRect(top, bottom, true))
  {
    ImGui::BeginTooltip();
    ImGui::Text("Active: %u", pool.InUseCount());
    ImGui::Text("Activation: %u", pool.AllocationCounter());
    ImGui::Text("Inactive: %u", pool.FreeCount());
    ImGui::Text("Initialized: %u", pool.InitializedCount());
    ImGui::Text("Capacity: %u", pool.Capacity());
    ImGui::Text("Block Capacity: %u", objectSize);
    ImGui::EndTooltip();
  }
}
