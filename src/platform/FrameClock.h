#pragma once
// The time source of the frame-rate controller: a microsecond clock and a way to wait. The game
// uses the steady clock; tests inject a clock they move by hand.
#include <cstdint>

class FrameClock
{
public:
  virtual ~FrameClock() = default;
  // Microseconds since an arbitrary fixed start; never goes backwards.
  virtual std::int64_t NowUs() = 0;
  // Gives the processor away for about this many milliseconds; 0 only yields.
  virtual void Sleep(std::int64_t milliseconds) = 0;
};
