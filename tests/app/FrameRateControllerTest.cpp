#include "app/FrameRateController.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
// A clock that moves only when read (by `step` µs) or slept on.
class ManualClock : public FrameClock
{
public:
  std::int64_t NowUs() override
  {
    now += step;
    ++reads;
    return now;
  }
  void Sleep(std::int64_t milliseconds) override
  {
    sleeps.push_back(milliseconds);
    now += milliseconds * 1000;
  }
  void Work(std::int64_t microseconds) { now += microseconds; }

  std::int64_t now = 1000000;
  std::int64_t step = 1;
  int reads = 0;
  std::vector<std::int64_t> sleeps;
};

// One frame as the loops run it: work, EndFrame, LimitFrame with the loops' margin.
void RunFrame(FrameRateController& controller, ManualClock& clock, std::int64_t workUs)
{
  clock.Work(workUs);
  controller.EndFrame();
  controller.LimitFrame(FrameRateController::LoopMarginUs);
}
}  // namespace

TEST(FrameRateControllerTest, BudgetsAreTruncatedFromSinglePrecision)
{
  ManualClock clock;
  FrameRateController controller(120.0f, &clock);
  EXPECT_EQ(8333, controller.GetTargetFrameTimeUs());
  EXPECT_EQ(33333, controller.GetMaximumStepUs());
  EXPECT_EQ(16666, FrameRateController(60.0f, &clock).GetTargetFrameTimeUs());
  EXPECT_EQ(0, FrameRateController(0.0f, &clock).GetTargetFrameTimeUs()) << "no limit, no division by zero";
}

TEST(FrameRateControllerTest, SleepsUpToTheMarginThenSpinsToTheTarget)
{
  ManualClock clock;
  FrameRateController controller(120.0f, &clock);
  controller.StartFrame();

  RunFrame(controller, clock, 1000);  // 8333 - 1001 - 6000 = 1332 µs left to sleep: 1 ms
  ASSERT_EQ(std::vector<std::int64_t>{1}, clock.sleeps);
  EXPECT_EQ(8333, controller.GetDtUs()) << "the spin ends on the first read at or past the target";

  clock.sleeps.clear();
  RunFrame(controller, clock, 2000);  // 332 µs over the margin: Sleep(0), which only yields
  EXPECT_EQ(std::vector<std::int64_t>{0}, clock.sleeps);
  EXPECT_EQ(8333, controller.GetDtUs());

  clock.sleeps.clear();
  RunFrame(controller, clock, 2400);  // within the margin: no sleep at all
  EXPECT_TRUE(clock.sleeps.empty());
  EXPECT_EQ(8333, controller.GetDtUs());
  EXPECT_NEAR(3 * 8333 / 1e6, controller.GetElapsedTime(), 1e-6);
}

TEST(FrameRateControllerTest, LongFrameIsNotStretchedAndItsStepIsClamped)
{
  ManualClock clock;
  FrameRateController controller(120.0f, &clock);
  controller.StartFrame();
  controller.SetClampDt(true);
  clock.reads = 0;
  RunFrame(controller, clock, 100000);
  EXPECT_EQ(2, clock.reads) << "one read to measure, one for the spin";
  EXPECT_TRUE(clock.sleeps.empty());
  EXPECT_EQ(100002, static_cast<std::int64_t>(controller.GetRawDt() * 1e6 + 0.5));
  EXPECT_EQ(33333, controller.GetDtUs());
  EXPECT_NEAR(0.033333f, controller.GetDt(), 1e-6f);
  EXPECT_FLOAT_EQ(controller.GetRawDt(), controller.GetFrameTime());

  controller.SetClampDt(false);
  EXPECT_EQ(100002, controller.GetDtUs());
}

TEST(FrameRateControllerTest, StartFrameRestartsTheElapsedTime)
{
  ManualClock clock;
  FrameRateController controller(120.0f, &clock);
  controller.StartFrame();
  for (int i = 0; i < 5; ++i)
    RunFrame(controller, clock, 500);
  EXPECT_GT(controller.GetElapsedTime(), 0.04f);
  controller.StartFrame();
  EXPECT_EQ(0.0f, controller.GetElapsedTime());
}

TEST(FrameRateControllerTest, SteadyClockFramesLastAtLeastTheTarget)
{
  FrameRateController controller(120.0f);
  controller.StartFrame();
  for (int i = 0; i < 3; ++i)
  {
    controller.EndFrame();
    controller.LimitFrame(FrameRateController::LoopMarginUs);
    EXPECT_GE(controller.GetDtUs(), 8333);
  }
}
