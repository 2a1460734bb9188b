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
  // Occurrences of `part` in Text(), where each line ends in "\n".
  std::size_t CountOf(const std::string& part) const
  {
    std::size_t count = 0;
    const std::string text = Text();
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size()))
      ++count;
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
