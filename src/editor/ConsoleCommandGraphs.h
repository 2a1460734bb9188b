#pragma once
// The two live graphs of the console's log: frames per second ("show_fps") and the process's
// resident memory ("mem_stats"). Each keeps its own 600-sample history and samples only on the
// frames in which the console draws it; neither heeds the console's filter.
#include "editor/ConsoleCommandOutput.h"
#include "editor/ConsoleHost.h"

#include <array>
#include <cstdint>
#include <functional>

class FPSCommandOutput : public TextCommandOutput
{
public:
  static constexpr int HistoryLength = 600;

  explicit FPSCommandOutput(ConsoleHost& host);
  void Print(const std::string& filter) override;

  const std::array<float, HistoryLength>& GetHistory() const { return history; }
  int GetCurrentIndex() const { return currentIndex; }

private:
  ConsoleHost& host;
  std::array<float, HistoryLength> history{};
  int currentIndex = 0;
  float scaleMinimum = 0.0f;
  float scaleMaximum = 120.0f;
  float graphWidth = 0.0f;  // ImGui's automatic width
  float graphHeight = 40.0f;
};

class MemoryCommandOutput : public ConsoleCommandOutput
{
public:
  static constexpr int HistoryLength = 600;
  static constexpr std::uint64_t SamplePeriodUs = 1000000;
  using WorkingSetReader = std::function<std::uint64_t()>;

  explicit MemoryCommandOutput(ConsoleHost& host, WorkingSetReader reader = ReadWorkingSetBytes);
  void Print(const std::string& filter) override;

  // The resident set of this process in bytes (VmRSS of /proc/self/status); 0 when unreadable.
  static std::uint64_t ReadWorkingSetBytes();

  const std::array<float, HistoryLength>& GetHistory() const { return history; }
  int GetCurrentIndex() const { return currentIndex; }
  std::uint64_t GetLastWorkingSet() const { return lastWorkingSet; }

private:
  ConsoleHost& host;
  WorkingSetReader reader;
  std::array<float, HistoryLength> history{};  // mebibytes
  int currentIndex = 0;
  std::uint64_t lastWorkingSet = 0;  // bytes
  std::uint64_t accumulatedTime = 0;  // µs
};
