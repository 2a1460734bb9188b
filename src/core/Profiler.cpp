#include "core/Profiler.h"

#include "core/FileUtilities.h"
#include "core/Log.h"
#include "core/fColor.h"
#include "platform/SteadyFrameClock.h"

#include <algorithm>
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

void Profiler::BeginScope(std::string_view name, std::string_view description)
{
  if (current == nullptr)
    return;
  if (!current->recording)
  {
    ++current->skippedScopes;
    return;
  }
  hueCounter = (hueCounter + 1) % 10;
  float r = 0, g = 0, b = 0;
  HsvToRgb(static_cast<float>(hueCounter) / 10.0f, 1.0f, 0.7f, r, g, b);
  current->PushScope(name, {r, g, b, 1.0f}, description);
}

void Profiler::BeginScopeColored(std::string_view name, const std::array<float, 3>& rgb, std::string_view description)
{
  if (current != nullptr)
    current->PushScope(name, {rgb[0], rgb[1], rgb[2], 1.0f}, description);
}

void Profiler::EndScope()
{
  if (current != nullptr)
    current->PopScope();
}

void Profiler::PushScopeCurrentColor(std::string_view name, std::string_view description)
{
  if (current != nullptr)
    current->PushScope(name, current->currentColour, description);
}

void Profiler::PushScope(std::string_view name, const std::array<float, 4>& colour, std::string_view)
{
  if (!recording)
  {
    ++skippedScopes;
    return;
  }
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
  if (skippedScopes > 0)
  {
    --skippedScopes;
    return;
  }
  if (scopeStack.empty())
  {
    LogError("Profiler scope closed with no scope open.");
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
  // A frame that was not recorded has nothing to show: the request waits for a recorded one.
  if (snapshotRequested && recording)
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
    LogError("Could not create profiler dump ", path);
    return false;
  }
  return true;
}

std::string Profiler::SnapshotDumpPath() const
{
  return dumpDirectory + std::to_string(snapshotTotal / 1000);
}
