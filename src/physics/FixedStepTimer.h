#pragma once
// Cuts frame times into fixed sub-steps and carries the unspent remainder to the next frame.
#include <cstdint>

class FixedStepTimer
{
public:
  // Adds the frame's time and returns how many whole sub-steps it pays for. With fixedStep off
  // the frame is one step of its own length (see StepLength).
  std::int32_t Advance(float frameTime);
  // The length of the sub-steps Advance counted.
  float StepLength() const { return fixedStep ? stepTime : lastFrameTime; }

  float accumulator = 0.0f;
  bool fixedStep = true;
  std::int32_t stepsPerSecond = 120;
  float stepTime = 1.0f / 120.0f;

private:
  float lastFrameTime = 0.0f;
};
