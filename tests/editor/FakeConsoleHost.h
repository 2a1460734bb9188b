#pragma once
// A console host with named spaces and counters for every request, for the console's tests.
#include "editor/ConsoleHost.h"

#include <map>

class FakeConsoleHost : public ConsoleHost
{
public:
  std::vector<std::string> GetSpaceNames() const override
  {
    std::vector<std::string> names;
    for (const auto& [name, paused] : spaces)
      names.push_back(name);
    return names;
  }
  bool HasSpace(const std::string& space) const override { return spaces.count(space) != 0; }
  bool IsSpacePaused(const std::string& space) const override { return spaces.at(space); }
  void PauseSpace(const std::string& space) override { spaces[space] = true; }
  void UnpauseSpace(const std::string& space) override { spaces[space] = false; }
  void SetPendingLevel(const std::string& space, const std::string& level) override { pendingLevels[space] = level; }
  void ShowDebugView() override { ++debugViewShown; }
  void ShowConsole() override { ++consoleShown; }
  void SetWindowedStart() override { fullscreenStart = false; }
  void SetFullscreen() override { windowMode = "fullscreen"; }
  void SetWindowed() override { windowMode = "windowed"; }
  float GetFrameTime() const override { return frameTime; }
  std::int64_t GetDtUs() const override { return dtUs; }

  std::map<std::string, bool> spaces;  // name -> paused
  std::map<std::string, std::string> pendingLevels;
  int debugViewShown = 0;
  int consoleShown = 0;
  bool fullscreenStart = true;
  std::string windowMode;
  float frameTime = 0.0f;
  std::int64_t dtUs = 0;
};
