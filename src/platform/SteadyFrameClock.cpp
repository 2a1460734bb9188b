#include "platform/SteadyFrameClock.h"

#include <chrono>
#include <thread>

SteadyFrameClock& SteadyFrameClock::Instance()
{
  static SteadyFrameClock clock;
  return clock;
}

std::int64_t SteadyFrameClock::NowUs()
{
  using namespace std::chrono;
  return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

void SteadyFrameClock::Sleep(std::int64_t milliseconds)
{
  if (milliseconds <= 0)
    std::this_thread::yield();
  else
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}
