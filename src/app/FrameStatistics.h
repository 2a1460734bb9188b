#pragma once
// What the loops did, reported when the program ends: how many frames in how long, how much of a
// frame was work rather than waiting for the next one, and how long the program took to show its
// first frame; and the game's own clock, the sum of the time steps the frames played. All times are
// microseconds of the session's frame clock.
#include <cstdint>
#include <string>

class FrameStatistics
{
public:
  // `startUs`: when the program started, the origin of the first frame's time.
  explicit FrameStatistics(std::int64_t startUs) : programStart(startUs) {}

  // A frame's work begins.
  void BeginFrame(std::int64_t nowUs);
  // Its work, the picture's swap included, is done; the wait for the next frame follows.
  void EndWork(std::int64_t nowUs);
  // The wait is over.
  void EndFrame(std::int64_t nowUs);
  // The time step a frame plays: on a slow machine it is held at the loop's maximum step, so the
  // game's clock then runs behind the wall clock.
  void AddStep(std::int64_t stepUs) { steppedTotal += stepUs; }

  std::int64_t GetFrames() const { return frames; }
  // The game's clock: seconds of play the frames stepped.
  double GetSteppedSeconds() const { return static_cast<double>(steppedTotal) / 1e6; }
  // From the first frame's beginning to the last frame's end.
  double GetElapsedSeconds() const;
  double GetFramesPerSecond() const;
  double GetWorkMillisecondsPerFrame() const;
  // From the program's start to the end of the first frame's work, when it was on screen.
  double GetFirstFrameMilliseconds() const;

  // "Frames: 600 in 5.012 s (119.7 per second, 1.84 ms of work each); first frame shown 412 ms
  // after start", or an empty text when no frame ran.
  std::string Summary() const;

private:
  std::int64_t programStart;
  std::int64_t firstFrameBegin = -1;
  std::int64_t firstFrameShown = -1;
  std::int64_t frameBegin = 0;
  std::int64_t lastFrameEnd = 0;
  std::int64_t workTotal = 0;
  std::int64_t steppedTotal = 0;
  std::int64_t frames = 0;
};
