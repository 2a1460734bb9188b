#include "core/Profiler.h"

#include <imgui.h>

#include <algorithm>

// The "Profiler" window: the profiler itself lives with the other core services, so that every
// subsystem can open scopes; only its window needs the interface library.

namespace
{
void DrawTreeNode(ProfilerNode& node)
{
  node.open = ImGui::TreeNode(node.name.c_str());
  if (!node.open)
    return;
  for (std::size_t i = 0; i < node.children.size(); ++i)
  {
    ImGui::PushID(static_cast<int>(i));
    DrawTreeNode(*node.children[i]);
    ImGui::PopID();
  }
  ImGui::TreePop();
}

// One bar of the timeline, or the bars of its children while the node is open in the tree.
void DrawTimelineNode(const ProfilerNode& node, float x0, float x1, float top, float scale, ImDrawList& drawList)
{
  if (node.duration == 0)
    return;
  if (node.open && !node.children.empty())
  {
    float x = x0;
    for (const auto& child : node.children)
    {
      const float width = static_cast<float>(child->duration) * scale;
      DrawTimelineNode(*child, x, x + width, top, scale, drawList);
      x += width;
    }
    return;
  }
  const ImVec2 from(x0, top);
  const ImVec2 to(x1, top + 15.0f);
  const auto channel = [](float value) { return static_cast<int>(std::clamp(value, 0.0f, 1.0f) * 255.0f); };
  drawList.AddRectFilled(from, to, IM_COL32(channel(node.colour[0]), channel(node.colour[1]), channel(node.colour[2]), 255),
                         0.0f);
  if (ImGui::IsMouseHoveringRect(from, to))
  {
    ImGui::BeginTooltip();
    ImGui::TextUnformatted(node.name.c_str());
    ImGui::Text("%i chidren\nDuration (us): %llu", static_cast<int>(node.children.size()),
                static_cast<unsigned long long>(node.duration));
    ImGui::EndTooltip();
  }
}
}  // namespace

void Profiler::Draw(bool& windowOpen)
{
  if (windowOpen)
  {
    if (ImGui::Begin("Profiler", &windowOpen))
    {
      ImGui::CheckboxFlags("Options", &viewMode, 1u);
      if (ImGui::Button("Take snapshot"))
        RequestSnapshot();
      if (ImGui::Button("Dump this snapshot"))
        Dump(snapshotRoots, SnapshotDumpPath());
      if ((viewMode & 1u) == 0)
      {
        DrawTree();
        DrawTimeline();
      }
      else
      {
        ImGui::Checkbox("Active", &activeOption);
        ImGui::InputInt("Fps dump threshold (us)", &fpsDumpThreshold, 1, 100);
        ImGui::Checkbox("Dump when fps drops below threshold", &dumpWhenSlow);
        char directory[256] = {};
        dumpDirectory.copy(directory, sizeof(directory) - 1);
        if (ImGui::InputText("Profiler dump directory", directory, sizeof(directory)))
          dumpDirectory = directory;
      }
      thresholdCopy = fpsDumpThreshold;
    }
    ImGui::End();
  }
  EndFrame();
  // Only between frames, with every scope closed, so that no scope opens in one mode and closes
  // in the other.
  if (scopeStack.empty() && skippedScopes == 0)
    recording = windowOpen || snapshotRequested;
}

void Profiler::DrawTree()
{
  for (std::size_t i = 0; i < snapshotRoots.size(); ++i)
  {
    ImGui::PushID(static_cast<int>(i));  // frame roots may share a name
    DrawTreeNode(*snapshotRoots[i]);
    ImGui::PopID();
  }
}

void Profiler::DrawTimeline()
{
  const float width = ImGui::GetContentRegionAvail().x * zoom;
  const float scale = snapshotTotal > 0 ? width / static_cast<float>(snapshotTotal) : 0.0f;
  ImGui::BeginChild("##timeline", ImVec2(0.0f, 40.0f), true, ImGuiWindowFlags_HorizontalScrollbar);
  // The cursor position already follows the child's scrolling.
  const ImVec2 origin = ImGui::GetCursorScreenPos();
  ImGui::Dummy(ImVec2(std::max(zoom * 1000.0f, width), 20.0f));
  ImDrawList& drawList = *ImGui::GetWindowDrawList();
  float x = origin.x;
  for (const auto& root : snapshotRoots)
  {
    const float rootWidth = static_cast<float>(root->duration) * scale;
    DrawTimelineNode(*root, x, x + rootWidth, origin.y, scale, drawList);
    x += rootWidth;
  }
  ImGui::EndChild();
  ImGui::SliderFloat("Zoom", &zoom, 1.0f, 20.0f, "%.3f");
}
