#pragma once
// Installs an assertion handler that records each failed check and returns, so a test can see
// what was reported and what happened after it. The previous handler comes back on destruction.
// Causes reported once (a refused value, a LogOnce line) are forgotten first.
#include "platform/Assert.h"

#include <string>
#include <vector>

class RecordingAssertHandler
{
public:
  RecordingAssertHandler();
  ~RecordingAssertHandler();
  RecordingAssertHandler(const RecordingAssertHandler&) = delete;
  RecordingAssertHandler& operator=(const RecordingAssertHandler&) = delete;

  const std::vector<AssertReport>& Reports() const { return reports; }
  std::size_t Count() const { return reports.size(); }
  bool Saw(const std::string& messagePart) const;
  void Clear() { reports.clear(); }

private:
  std::vector<AssertReport> reports;
  AssertHandler previous;
};
