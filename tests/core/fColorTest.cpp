#include "core/fColor.h"

#include <cmath>
#include <gtest/gtest.h>

namespace
{
TEST(fColorTest, DefaultIsOpaqueWhiteAndTheTableHoldsItsColours)
{
  EXPECT_EQ(fColor(), Colors.White);
  EXPECT_EQ(Colors.Black, fColor(0, 0, 0, 1));
  EXPECT_EQ(Colors.Magenta, fColor(1, 0, 1, 1));
  EXPECT_EQ(Colors.TransparentWhite, fColor(1, 1, 1, 0));
  EXPECT_EQ(Colors.Transparent, fColor(0, 0, 0, 0));
  EXPECT_EQ(Colors.Grey, fColor(0.5f, 0.5f, 0.5f, 1));
}

TEST(fColorTest, ArithmeticTouchesAlphaAndNeverClamps)
{
  EXPECT_EQ(fColor(0.5f, 0.5f, 0.5f, 1) * 2.0f, fColor(1, 1, 1, 2));
  fColor tint(1, 1, 1, 1);
  tint *= fColor(0.5f, 0, 1, 0.5f);
  EXPECT_EQ(tint, fColor(0.5f, 0, 1, 0.5f));
  EXPECT_EQ(fColor(1, 1, 1, 1) - fColor(0.25f, 0.5f, 2, 1), fColor(0.75f, 0.5f, -1, 0));
  EXPECT_EQ(fColor(0.5f, 0.5f, 0.5f, 0.5f) + Colors.Red, fColor(1.5f, 0.5f, 0.5f, 1.5f));
}

TEST(fColorTest, EqualityIsChannelByChannel)
{
  EXPECT_NE(fColor(1, 1, 1, 1), fColor(1, 1, 1, 0.99f));
  const fColor withNan(std::nanf(""), 0, 0, 1);
  EXPECT_FALSE(withNan == withNan);
  fColor channels(0.1f, 0.2f, 0.3f, 0.4f);
  EXPECT_EQ(channels[2], 0.3f);
  channels.Data()[3] = 1.0f;
  EXPECT_EQ(channels.a, 1.0f);
}
}  // namespace
