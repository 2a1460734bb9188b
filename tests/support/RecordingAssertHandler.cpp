#include "support/RecordingAssertHandler.h"

#include "core/Log.h"

RecordingAssertHandler::RecordingAssertHandler()
{
  // Checks that report once per cause report again to each test.
  ForgetLoggedCauses();
  previous = SetAssertHandler([this](const AssertReport& report) { reports.push_back(report); });
}

RecordingAssertHandler::~RecordingAssertHandler()
{
  SetAssertHandler(previous);
}

bool RecordingAssertHandler::Saw(const std::string& messagePart) const
{
  for (const AssertReport& report : reports)
    if (report.message.find(messagePart) != std::string::npos)
      return true;
  return false;
}
