#include "app/FrameRateController.h"

#include "platform/SteadyFrameClock.h"

namespace
{
// Computed in single precision and truncated, as the frame budget always was: 8,333 at 120 fps
// and a maximum step of 33,333 (1/30 s).
std::int64_t TargetFor(float framesPerSecond)
{
  if (!(framesPerSecond > 0.0f))
    return 0;  // no limit rather than a division by zero
  return static_cast<std::int64_t>((1.0f / framesPerSecond) * 1000000.0f);
}
}  // namespace

FrameRateController::FrameRateController(float framesPerSecond, FrameClock* clockSource)
    : clock(clockSource != nullptr ? clockSource : &SteadyFrameClock::Instance()),
      targetFrameTime(TargetFor(framesPerSecond)),
      maximumStep(static_cast<std::int64_t>(1000000.0f * 0.033333335f))
{
}

std::int64_t FrameRateController::GetTimeUs() const
{
  return clock->NowUs();
}

void FrameRateController::StartFrame()
{
  frameStart = previousFrameEnd = GetTimeUs();
}

void FrameRateController::EndFrame()
{
  const std::int64_t now = GetTimeUs();
  frameWorkTime = now - frameStart;
  timeSinceFrameEnd = now - previousFrameEnd;
}

void FrameRateController::LimitFrame(std::int64_t marginUs)
{
  const std::int64_t remaining = targetFrameTime - timeSinceFrameEnd;
  if (remaining - marginUs > 0)
    clock->Sleep((remaining - marginUs) / 1000);
  std::int64_t now = 0;
  do
  {
    now = GetTimeUs();
    framePeriod = now - previousFrameEnd;
  } while (framePeriod < targetFrameTime);
  previousFrameEnd = now;
}

std::int64_t FrameRateController::GetDtUs() const
{
  if (clampDt && framePeriod > maximumStep)
    return maximumStep;
  return framePeriod;
}

float FrameRateController::GetDt() const
{
  return static_cast<float>(GetDtUs()) / 1000000.0f;
}

float FrameRateController::GetRawDt() const
{
  return static_cast<float>(framePeriod) / 1000000.0f;
}

float FrameRateController::GetElapsedTime() const
{
  return static_cast<float>(previousFrameEnd - frameStart) / 1000000.0f;
}
