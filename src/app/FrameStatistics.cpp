#include "app/FrameStatistics.h"

#include <iomanip>
#include <sstream>

void FrameStatistics::BeginFrame(std::int64_t nowUs)
{
  frameBegin = nowUs;
  if (firstFrameBegin < 0)
    firstFrameBegin = nowUs;
}

void FrameStatistics::EndWork(std::int64_t nowUs)
{
  workTotal += nowUs - frameBegin;
  if (firstFrameShown < 0)
    firstFrameShown = nowUs;
}

void FrameStatistics::EndFrame(std::int64_t nowUs)
{
  lastFrameEnd = nowUs;
  ++frames;
}

double FrameStatistics::GetElapsedSeconds() const
{
  return frames > 0 ? static_cast<double>(lastFrameEnd - firstFrameBegin) / 1e6 : 0.0;
}

double FrameStatistics::GetFramesPerSecond() const
{
  const double elapsed = GetElapsedSeconds();
  return elapsed > 0.0 ? static_cast<double>(frames) / elapsed : 0.0;
}

double FrameStatistics::GetWorkMillisecondsPerFrame() const
{
  return frames > 0 ? static_cast<double>(workTotal) / 1e3 / static_cast<double>(frames) : 0.0;
}

double FrameStatistics::GetFirstFrameMilliseconds() const
{
  return firstFrameShown >= 0 ? static_cast<double>(firstFrameShown - programStart) / 1e3 : 0.0;
}

std::string FrameStatistics::Summary() const
{
  if (frames == 0)
    return "";
  std::ostringstream text;
  text << std::fixed << "Frames: " << frames << " in " << std::setprecision(3) << GetElapsedSeconds() << " s ("
       << std::setprecision(1) << GetFramesPerSecond() << " per second, " << std::setprecision(2)
       << GetWorkMillisecondsPerFrame() << " ms of work each); first frame shown " << std::setprecision(0)
       << GetFirstFrameMilliseconds() << " ms after start";
  return text.str();
}
