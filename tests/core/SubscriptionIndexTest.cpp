#include "core/SubscriptionIndex.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>

// Many lists and tokens inserted and erased in a fixed pseudo-random order, checked against a
// std::set after every step: erasing from the middle of a probe run must never lose an entry.
TEST(SubscriptionIndex, AgreesWithASetThroughInsertsAndErases)
{
  static char lists[40];
  static char blocks[60];
  SubscriptionIndex index;
  std::set<std::tuple<const void*, const void*, std::uint32_t>> reference;
  unsigned state = 1;
  for (int step = 0; step < 20000; ++step)
  {
    state = state * 214013u + 2531011u;
    const void* list = &lists[(state >> 16) % 40];
    const void* block = &blocks[(state >> 8) % 60];
    const std::uint32_t id = (state >> 4) % 3 + 1;
    const auto entry = std::make_tuple(list, block, id);
    if ((state >> 24) % 3 != 0)
      EXPECT_EQ(index.Insert(list, block, id), reference.insert(entry).second);
    else
    {
      index.Erase(list, block, id);
      reference.erase(entry);
    }
    ASSERT_EQ(index.Size(), reference.size());
  }
  for (const auto& [list, block, id] : reference)
    EXPECT_TRUE(index.Contains(list, block, id));
  EXPECT_FALSE(index.Contains(&lists[0], &blocks[0], 99));
}
