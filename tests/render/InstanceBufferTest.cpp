#include "render/InstanceBuffer.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>

namespace
{
using Record84 = std::array<unsigned char, 84>;
using Record100 = std::array<unsigned char, 100>;

Record84 Filled(unsigned char value)
{
  Record84 record;
  record.fill(value);
  return record;
}
}  // namespace

TEST(InstanceBufferTest, EmptyBufferHasNoRecords)
{
  InstanceBuffer buffer;
  EXPECT_EQ(buffer.Count(), 0u);
  MakeInstanceBuffer<84>(buffer);
  EXPECT_EQ(buffer.Count(), 0u);
  EXPECT_EQ(buffer.ElementSize(), 84u);
}

TEST(InstanceBufferTest, AppendingARecordOfTheBufferItselfWhileItGrowsCopiesTheRightRecord)
{
  DynamicBufferWrapper<84> buffer;
  const Record84 first = Filled(7);
  buffer.PushBack(first.data());
  // Each append may move the array; the source is always the first record inside it.
  for (int i = 0; i < 100; ++i)
    buffer.PushBack(buffer.Data());
  ASSERT_EQ(buffer.Count(), 101u);
  const auto* bytes = static_cast<const unsigned char*>(buffer.Data());
  for (std::size_t i = 0; i < 101 * 84; ++i)
    ASSERT_EQ(bytes[i], 7) << "byte " << i;
}

TEST(InstanceBufferTest, ARecordOfTheWrongSizeThrowsAndLeavesTheBufferUnchanged)
{
  InstanceBuffer buffer;
  MakeInstanceBuffer<84>(buffer);
  buffer.PushBack(Filled(1));
  Record100 wrong;
  wrong.fill(2);
  try
  {
    buffer.PushBack(wrong);
    FAIL() << "no exception";
  }
  catch (const std::invalid_argument& error)
  {
    EXPECT_STREQ(error.what(), "Data size does not match this buffer's element size.");
  }
  ASSERT_EQ(buffer.Count(), 1u);
  EXPECT_EQ(static_cast<const unsigned char*>(buffer.Data())[83], 1);
}

TEST(InstanceBufferTest, ClearKeepsNothingAndMakingAnewReplacesTheRecordSize)
{
  InstanceBuffer buffer;
  MakeInstanceBuffer<84>(buffer);
  buffer.PushBack(Filled(3));
  buffer.Clear();
  EXPECT_EQ(buffer.Count(), 0u);
  MakeInstanceBuffer<100>(buffer);
  Record100 record{};
  buffer.PushBack(record);
  EXPECT_EQ(buffer.Count(), 1u);
  EXPECT_THROW(buffer.PushBack(Filled(4)), std::invalid_argument);
}
