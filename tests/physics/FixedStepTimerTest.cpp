#include "physics/FixedStepTimer.h"

#include <cmath>
#include <gtest/gtest.h>

TEST(FixedStepTimerTest, CarriesTheRemainderAndNeedsMoreThanOneStep)
{
  FixedStepTimer timer;
  EXPECT_FLOAT_EQ(timer.stepTime, 0.0083333338f);
  // Exactly one step of time is not more than a step: nothing runs yet.
  EXPECT_EQ(timer.Advance(timer.stepTime), 0);
  EXPECT_EQ(timer.Advance(timer.stepTime), 1);
  EXPECT_FLOAT_EQ(timer.accumulator, timer.stepTime);

  FixedStepTimer sixty;
  int total = 0;
  for (int frame = 0; frame < 60; ++frame)
    total += sixty.Advance(1.0f / 60.0f);
  EXPECT_GE(total, 119);
  EXPECT_LE(total, 120);

  FixedStepTimer broken;
  EXPECT_EQ(broken.Advance(-1.0f), 0);
  EXPECT_EQ(broken.Advance(NAN), 0);
  EXPECT_EQ(broken.accumulator, 0.0f);

  FixedStepTimer variable;
  variable.fixedStep = false;
  EXPECT_EQ(variable.Advance(0.05f), 1);
  EXPECT_EQ(variable.StepLength(), 0.05f);
}
