#include "app/Profiler.h"

#include "app/SteadyFrameClock.h"
#include "core/FileUtilities.h"

#include <imgui.h>

#include <algorithm>
#include <iostream>
#include <sstream>

namespace
{
Profiler* current = nullptr;
int hueCounter = 0;

void DumpNode(std::ostream& out, const ProfilerNode& node, int depth)
{
  out << std::string(static_cast<std::size_t>(depth), ' ') << node.name << " | " << node.duration << "\n";
  for (const auto& child : node.children)
    DumpNode(out, *child, depth + 1);
}

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

Profiler::Profiler(Clock clockSource) : clock(std::move(clockSource))
{
}

Profiler::~Profiler()
{
  if (current == this)
    current = nullptr;
}

Profiler* Profiler::Current()
{
  return current;
}

void Profiler::SetCurrent(Profiler* profiler)
{
  current = profiler;
}

std::int64_t Profiler::Now() const
{
  if (clock)
    return clock();
  return SteadyFrameClock::Instance().NowUs();
}

void Profiler::BeginScope(const std::string& name, const std::string& description)
{
  if (current == nullptr)
    return;
  hueCounter = (hueCounter + 1) % 10;
  float r = 0, g = 0, b = 0;
  ImGui::ColorConvertHSVtoRGB(static_cast<float>(hueCounter) / 10.0f, 1.0f, 0.7f, r, g, b);
  current->PushScope(name, {r, g, b, 1.0f}, description);
}

void Profiler::BeginScopeColored(const std::string& name, const std::array<float, 3>& rgb, const std::string& description)
{
  if (current != nullptr)
    current->PushScope(name, {rgb[0], rgb[1], rgb[2], 1.0f}, description);
}

void Profiler::EndScope()
{
  if (current != nullptr)
    current->PopScope();
}

void Profiler::PushScopeCurrentColor(const std::string& name, const std::string& description)
{
  if (current != nullptr)
    current->PushScope(name, current->currentColour, description);
}

void Profiler::PushScope(const std::string& name, const std::array<float, 4>& colour, const std::string&)
{
  auto node = std::make_unique<ProfilerNode>();
  node->name = name;
  node->colour = colour;
  node->id = nextId++;
  node->start = Now();
  ProfilerNode* raw = node.get();
  if (!scopeStack.empty())
  {
    node->parentId = scopeStack.back()->id;
    scopeStack.back()->children.push_back(std::move(node));
  }
  else
  {
    openRoot = std::move(node);
  }
  scopeStack.push_back(raw);
}

void Profiler::PopScope()
{
  if (scopeStack.empty())
  {
    std::cout << "[ERROR] Profiler scope closed with no scope open." << std::endl;
    return;
  }
  ProfilerNode* node = scopeStack.back();
  node->duration = std::max<std::int64_t>(0, Now() - node->start);
  scopeStack.pop_back();
  if (scopeStack.empty())
  {
    frameRoots.push_back(std::move(openRoot));
    currentColour = {1.0f, 1.0f, 1.0f, 1.0f};
  }
  else
  {
    currentColour = scopeStack.back()->colour;
  }
}

void Profiler::TakeSnapshot()
{
  snapshotRoots = std::move(frameRoots);
  frameRoots.clear();
  snapshotTotal = snapshotRoots.empty()
                      ? 0
                      : snapshotRoots.back()->start + snapshotRoots.back()->duration - snapshotRoots.front()->start;
  snapshotRequested = false;
}

void Profiler::EndFrame()
{
  if (snapshotRequested)
    TakeSnapshot();
  frameRoots.clear();
  nextId = 1;
}

bool Profiler::Dump(const std::vector<std::unique_ptr<ProfilerNode>>& roots, const std::string& path)
{
  std::ostringstream text;
  for (const auto& root : roots)
    DumpNode(text, *root, 0);
  // Written beside the target and renamed over it, so a failed dump leaves nothing half written.
  if (!WriteFileAtomically(text.str(), path))
  {
    std::cout << "[ERROR] Could not create profiler dump " << path << std::endl;
    return false;
  }
  return true;
}

std::string Profiler::SnapshotDumpPath() const
{
  return dumpDirectory + std::to_string(snapshotTotal / 1000);
}

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
