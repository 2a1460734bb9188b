#pragma once
#include "platform/FrameClock.h"

#include <cstdint>

// A clock that moves only as the loop reads it: by a fixed step a reading and by whole sleeps, so a
// frame's length follows from how often the loop looks at the time, never from the machine's load.
class SteppedClock : public FrameClock
{
public:
  explicit SteppedClock(std::int64_t stepUs) : stepUs(stepUs) {}
  std::int64_t NowUs() override { return now += stepUs; }
  void Sleep(std::int64_t milliseconds) override { now += milliseconds * 1000; }

private:
  std::int64_t stepUs;
  std::int64_t now = 0;
};
