#pragma once
// Captures what is written to standard output while it lives, for checking "[ERROR]" lines. Causes
// reported once (LogOnce) are forgotten first, so the capture sees their first report.
#include "core/Log.h"

#include <iostream>
#include <sstream>
#include <string>

class CapturedOutput
{
public:
  CapturedOutput() : previous(std::cout.rdbuf(buffer.rdbuf())) { ForgetLoggedCauses(); }
  ~CapturedOutput() { std::cout.rdbuf(previous); }
  CapturedOutput(const CapturedOutput&) = delete;
  CapturedOutput& operator=(const CapturedOutput&) = delete;

  std::string Text() const { return buffer.str(); }
  bool Contains(const std::string& part) const { return Text().find(part) != std::string::npos; }
  std::size_t CountOf(const std::string& part) const
  {
    std::size_t count = 0;
    const std::string text = Text();
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size()))
      ++count;
    return count;
  }

private:
  std::ostringstream buffer;
  std::streambuf* previous;
};
