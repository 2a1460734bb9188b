#include "app/FrameStatistics.h"

#include <gtest/gtest.h>

TEST(FrameStatisticsTest, CountsFramesTheirTimeAndWorkAndTheWayToTheFirstFrame)
{
  FrameStatistics statistics(1000);
  EXPECT_EQ(statistics.Summary(), "") << "nothing to say before a frame ran";
  EXPECT_EQ(statistics.GetFramesPerSecond(), 0.0);

  // Start-up until 301,000 µs; then four frames of 10 ms each, of which 2 ms (4 ms in the first) work.
  std::int64_t now = 301000;
  for (int frame = 0; frame < 4; ++frame)
  {
    statistics.BeginFrame(now);
    statistics.EndWork(now + (frame == 0 ? 4000 : 2000));
    now += 10000;
    statistics.EndFrame(now);
  }
  EXPECT_EQ(statistics.GetFrames(), 4);
  EXPECT_DOUBLE_EQ(statistics.GetElapsedSeconds(), 0.04);
  EXPECT_DOUBLE_EQ(statistics.GetFramesPerSecond(), 100.0);
  EXPECT_DOUBLE_EQ(statistics.GetWorkMillisecondsPerFrame(), 2.5);
  EXPECT_DOUBLE_EQ(statistics.GetFirstFrameMilliseconds(), 304.0) << "start to the first frame's swap";
  EXPECT_EQ(statistics.Summary(),
            "Frames: 4 in 0.040 s (100.0 per second, 2.50 ms of work each); first frame shown 304 ms after start");
}
