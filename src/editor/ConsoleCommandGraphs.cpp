#include "editor/ConsoleCommandGraphs.h"

#include <imgui.h>

#include <cstdio>
#include <fstream>
#include <sstream>

FPSCommandOutput::FPSCommandOutput(ConsoleHost& consoleHost) : TextCommandOutput("show_fps", ""), host(consoleHost)
{
}

void FPSCommandOutput::Print(const std::string&)
{
  currentIndex = (currentIndex + 1) % HistoryLength;
  const float frameTime = host.GetFrameTime();
  history[static_cast<std::size_t>(currentIndex)] = frameTime != 0.0f ? 1.0f / frameTime : 0.0f;
  char label[128];
  std::snprintf(label, sizeof(label), "FPS graph\n%.2f\n%f", history[static_cast<std::size_t>(currentIndex)],
                frameTime);
  ImGui::PushID(this);  // several graphs may share a label
  ImGui::PlotLines(label, history.data(), HistoryLength, currentIndex, "?", scaleMinimum, scaleMaximum,
                   ImVec2(graphWidth, graphHeight));
  ImGui::PopID();
}

MemoryCommandOutput::MemoryCommandOutput(ConsoleHost& consoleHost, WorkingSetReader workingSetReader)
    : ConsoleCommandOutput("mem_stats"), host(consoleHost), reader(std::move(workingSetReader))
{
}

std::uint64_t MemoryCommandOutput::ReadWorkingSetBytes()
{
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
  {
    if (line.compare(0, 6, "VmRSS:") != 0)
      continue;
    std::istringstream fields(line.substr(6));
    std::uint64_t kibibytes = 0;
    if (fields >> kibibytes)
      return kibibytes * 1024;
    return 0;
  }
  return 0;
}

void MemoryCommandOutput::Print(const std::string&)
{
  const std::int64_t step = host.GetDtUs();
  accumulatedTime += step > 0 ? static_cast<std::uint64_t>(step) : 0;
  if (accumulatedTime > SamplePeriodUs)
  {
    accumulatedTime = 0;
    const std::uint64_t workingSet = reader ? reader() : 0;
    history[static_cast<std::size_t>(currentIndex)] = static_cast<float>(workingSet >> 20);
    currentIndex = (currentIndex + 1) % HistoryLength;
    lastWorkingSet = workingSet;
  }
  char label[128];
  std::snprintf(label, sizeof(label), "Working Set\n %-6li kb\n %-6li mb", static_cast<long>(lastWorkingSet >> 10),
                static_cast<long>(lastWorkingSet >> 20));
  if (ImGui::IsItemHovered())
    ImGui::SetTooltip("Includes shared dlls");
  ImGui::PushID(this);
  ImGui::PlotLines(label, history.data(), HistoryLength, currentIndex, "", 0.0f, 600.0f, ImVec2(0.0f, 120.0f));
  ImGui::PopID();
}
