#include "physics/FixedStepTimer.h"

#include <cmath>

std::int32_t FixedStepTimer::Advance(float frameTime)
{
  lastFrameTime = frameTime;
  if (!fixedStep)
    return 1;
  // A negative or broken frame time would stall or unwind the clock; it pays for nothing.
  if (!(frameTime > 0.0f) || !std::isfinite(frameTime))
    return 0;
  accumulator += frameTime;
  std::int32_t count = 0;
  // Strictly greater: a frame of exactly one step runs nothing and leaves the step to the next.
  while (accumulator > stepTime)
  {
    accumulator -= stepTime;
    ++count;
  }
  return count;
}
