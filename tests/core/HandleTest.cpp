#include "core/Handle.h"
#include "core/Listener.h"
#include "core/MemoryManager.h"

#include "support/RecordingAssertHandler.h"
#include "support/ScopedMemoryManager.h"

#include <gtest/gtest.h>

namespace
{
struct Tracked
{
  explicit Tracked(int* destroyed = nullptr) : counter(destroyed) {}
  ~Tracked()
  {
    if (counter)
      ++*counter;
  }
  int* counter;
  int value = 5;
};

class HandleTest : public ::testing::Test
{
protected:
  ScopedMemoryManager manager;
  RecordingAssertHandler checks;
};
}  // namespace

TEST_F(HandleTest, CopiesCountReferencesAndReleaseMakesEveryCopyStale)
{
  int destroyed = 0;
  Handle<Tracked> owner = MemoryManager::NewHandle<Tracked>(BRINDLE_SITE, &destroyed);
  ASSERT_TRUE(owner.IsValid());
  BlockHeader* block = owner.GetBlock();
  EXPECT_EQ(block->liveHandles, 1u);
  {
    Handle<Tracked> copy = owner;
    EXPECT_EQ(block->liveHandles, 2u);
    EXPECT_EQ(copy->value, 5);
  }
  EXPECT_EQ(block->liveHandles, 1u);

  Handle<Tracked> copy = owner;
  copy.Release();
  EXPECT_EQ(destroyed, 1);
  EXPECT_EQ(owner.Get(), nullptr);
  EXPECT_EQ(copy.Get(), nullptr);
  // The block's next occupant is never seen through the old handles.
  Handle<Tracked> next = MemoryManager::NewHandle<Tracked>(BRINDLE_SITE);
  EXPECT_EQ(next.GetBlock(), block);
  EXPECT_GT(next.GetId(), owner.GetId());
  EXPECT_FALSE(owner.IsValid());
  EXPECT_EQ(block->liveHandles, 1u);
  owner.Reset();  // stale: changes nothing
  EXPECT_EQ(block->liveHandles, 1u);
  next.Release();
  EXPECT_EQ(checks.Count(), 0u);
}

TEST_F(HandleTest, AssignmentAddsBeforeItDropsAndNamesTheDroppedSite)
{
  Handle<Tracked> x = MemoryManager::NewHandle<Tracked>(BRINDLE_SITE);
  const int lineOfY = __LINE__ + 1;
  Handle<Tracked> y = MemoryManager::NewHandle<Tracked>(BRINDLE_SITE);
  Handle<Tracked> xKeeper = x;

  Handle<Tracked>& alias = x;
  x = alias;
  EXPECT_EQ(x.GetBlock()->liveHandles, 2u);
  EXPECT_TRUE(x.IsValid());

  Handle<Tracked> onY = y;
  Handle<Tracked> yAgain = y;
  onY = yAgain;  // same block: count stays
  EXPECT_EQ(y.GetBlock()->liveHandles, 3u);

  // Re-pointing the last handles of Y at X leaks Y, and the report names Y's site.
  BlockHeader* blockY = y.GetBlock();
  onY = x;
  yAgain = x;
  EXPECT_EQ(blockY->liveHandles, 1u);
  y = x;
  ASSERT_EQ(checks.Count(), 1u);
  EXPECT_EQ(checks.Reports()[0].message,
            std::to_string(sizeof(Tracked)) + " byte Handle leaked: " + __FILE__ +
                " | HandleTest_AssignmentAddsBeforeItDropsAndNamesTheDroppedSite_Test::TestBody | LINE: " +
                std::to_string(lineOfY));
  EXPECT_EQ(checks.Reports()[0].function, "BlockHeader::RemoveHandle");
  x.Release();
}

TEST_F(HandleTest, DroppingTheOnlyTokenHandleReportsAOneByteLeak)
{
  {
    Handle<LivenessToken> token = MemoryManager::NewHandle<LivenessToken>(BRINDLE_SITE);
  }
  ASSERT_EQ(checks.Count(), 1u);
  EXPECT_EQ(checks.Reports()[0].message.rfind("1 byte Handle leaked: ", 0), 0u);
}

TEST_F(HandleTest, EmptyAndMovedHandlesDoNothing)
{
  Handle<Tracked> empty;
  EXPECT_FALSE(empty.IsValid());
  EXPECT_EQ(empty.Get(), nullptr);
  empty.Reset();
  empty.Release();

  Handle<Tracked> owner = MemoryManager::NewHandle<Tracked>(BRINDLE_SITE);
  Handle<Tracked> moved = std::move(owner);
  EXPECT_FALSE(owner.IsValid());
  EXPECT_EQ(moved.GetBlock()->liveHandles, 1u);
  Handle<Tracked> other = MemoryManager::NewHandle<Tracked>(BRINDLE_SITE);
  Handle<Tracked> keepOther = other;
  other = std::move(moved);
  EXPECT_EQ(other.GetBlock()->liveHandles, 1u);
  EXPECT_EQ(keepOther.GetBlock()->liveHandles, 1u);
  other.Release();
  keepOther.Release();
  EXPECT_EQ(checks.Count(), 0u);
}

TEST_F(HandleTest, ListenerDeathMakesItsTokenCopiesStale)
{
  Handle<LivenessToken> copy;
  {
    Listener listener(3);
    copy = listener.GetHandle();
    EXPECT_TRUE(copy.IsValid());
    Listener second = listener;  // a copy is a listener of its own
    EXPECT_NE(second.GetHandle(), listener.GetHandle());
    second = listener;           // and assignment shares nothing
    EXPECT_NE(second.GetHandle(), listener.GetHandle());
  }
  EXPECT_FALSE(copy.IsValid());
  EXPECT_EQ(checks.Count(), 0u);
}
