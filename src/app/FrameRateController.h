#pragma once
// Gives the loops their time step and holds the frame rate at a target: the rest of each frame is
// slept away up to a margin before the deadline and then waited on the clock, so pacing does not
// depend on how coarse the sleep is. All times are microseconds.
#include "platform/FrameClock.h"

#include <cstdint>

class FrameRateController
{
public:
  // The clock is not owned; the default is the steady clock.
  explicit FrameRateController(float framesPerSecond, FrameClock* clock = nullptr);

  std::int64_t GetTimeUs() const;

  // Loop start: the frame timer and elapsed time restart from now.
  void StartFrame();
  // Measures the frame's work so far.
  void EndFrame();
  // Waits out the frame: sleeps while more than `marginUs` is left, then spins to the target.
  void LimitFrame(std::int64_t marginUs);

  // The frame period, limited to the maximum step while clamping is on.
  float GetDt() const;
  std::int64_t GetDtUs() const;
  // The frame period as measured, never limited.
  float GetRawDt() const;
  // The same unlimited period, under the name the console's frame-rate graph reads.
  float GetFrameTime() const { return GetRawDt(); }
  // Seconds from the latest StartFrame to the end of the latest frame.
  float GetElapsedTime() const;
  void SetClampDt(bool clamp) { clampDt = clamp; }

  std::int64_t GetTargetFrameTimeUs() const { return targetFrameTime; }
  std::int64_t GetMaximumStepUs() const { return maximumStep; }
  std::int64_t GetFrameWorkTimeUs() const { return frameWorkTime; }

  static constexpr std::int64_t LoopMarginUs = 6000;

private:
  FrameClock* clock;
  std::int64_t frameWorkTime = 0;
  std::int64_t frameStart = 0;
  std::int64_t framePeriod = 0;
  std::int64_t timeSinceFrameEnd = 0;
  std::int64_t previousFrameEnd = 0;
  std::int64_t targetFrameTime;
  std::int64_t maximumStep;
  bool clampDt = false;
};
