#pragma once
// The real frame clock: std::chrono::steady_clock in whole microseconds, sleeping the thread.
#include "platform/FrameClock.h"

class SteadyFrameClock final : public FrameClock
{
public:
  // One shared instance; it holds no state, so every controller may use it.
  static SteadyFrameClock& Instance();

  std::int64_t NowUs() override;
  void Sleep(std::int64_t milliseconds) override;
};
