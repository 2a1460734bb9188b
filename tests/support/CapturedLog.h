#pragma once
// Records every log line while it lives instead of writing it out, and forgets the causes already
// reported once, so each test sees its own first reports. The previous sink comes back on
// destruction.
#include "core/Log.h"

#include <string>
#include <utility>
#include <vector>

class CapturedLog
{
public:
  CapturedLog()
  {
    ForgetLoggedCauses();
    previous = SetLogSink([this](LogLevel level, const std::string& line) { lines.emplace_back(level, line); });
  }
  ~CapturedLog() { SetLogSink(previous); }
  CapturedLog(const CapturedLog&) = delete;
  CapturedLog& operator=(const CapturedLog&) = delete;

  const std::vector<std::pair<LogLevel, std::string>>& Lines() const { return lines; }
  std::string Text() const
  {
    std::string text;
    for (const auto& entry : lines)
      text += entry.second + "\n";
    return text;
  }
  // Lines holding `part` (at most once counted per line).
  std::size_t CountOf(const std::string& part) const
  {
    std::size_t count = 0;
    for (const auto& entry : lines)
      count += entry.second.find(part) != std::string::npos ? 1 : 0;
    return count;
  }
  bool Contains(const std::string& part) const { return CountOf(part) != 0; }
  std::size_t Errors() const
  {
    std::size_t count = 0;
    for (const auto& entry : lines)
      count += entry.first == LogLevel::Error ? 1 : 0;
    return count;
  }

private:
  std::vector<std::pair<LogLevel, std::string>> lines;
  LogSink previous;
};
