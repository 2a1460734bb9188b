#include "editor/MemoryProfileWindow.h"

#include "core/MemoryManager.h"
#include "HeadlessImGui.h"

#include <gtest/gtest.h>

namespace
{
struct Sample
{
  char bytes[424];
};

void DrawFrame(HeadlessImGui& imgui, MemoryProfileWindow& window, const MemoryManager* manager)
{
  imgui.NewFrame();
  window.Draw(manager);
  imgui.Render();
}
}  // namespace

TEST(MemoryProfileWindowTest, HalfAPageInUseFillsHalfTheBarAtEveryZoom)
{
  EXPECT_FLOAT_EQ(25.0f, MemoryProfileWindow::FilledHeight(500, 1.0f));
  EXPECT_FLOAT_EQ(250.0f, MemoryProfileWindow::FilledHeight(500, 10.0f));
  EXPECT_FLOAT_EQ(0.0f, MemoryProfileWindow::FilledHeight(0, 3.0f));
}

TEST(MemoryProfileWindowTest, DrawsOneBarPerPoolOnlyWhileOpenAndExpanded)
{
  HeadlessImGui imgui;
  MemoryManager* manager = MemoryManager::Instance();
  Sample* sample = MemoryManager::New<Sample>(BRINDLE_SITE);
  ASSERT_NE(nullptr, sample);
  const std::size_t pools = manager->Pools().size();
  ASSERT_GE(pools, 1u);

  MemoryProfileWindow window;
  DrawFrame(imgui, window, manager);
  EXPECT_EQ(0u, window.BarsDrawnLastFrame()) << "closed: nothing is drawn";

  window.open = true;
  DrawFrame(imgui, window, manager);
  EXPECT_EQ(pools, window.BarsDrawnLastFrame());
  EXPECT_TRUE(window.open);

  // Collapsed: no bars, and the window is still ended (ImGui would stop on a missing End).
  imgui.NewFrame();
  ImGui::SetNextWindowCollapsed(true);
  window.Draw(manager);
  imgui.Render();
  EXPECT_EQ(0u, window.BarsDrawnLastFrame());

  window.open = true;
  imgui.NewFrame();
  ImGui::SetNextWindowCollapsed(false);
  window.Draw(nullptr);
  imgui.Render();
  EXPECT_EQ(0u, window.BarsDrawnLastFrame()) << "no memory manager: an empty window";
  MemoryManager::Delete(sample);
}
