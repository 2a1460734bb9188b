#include "core/MemoryManager.h"

#include "support/RecordingAssertHandler.h"
#include "support/ScopedMemoryManager.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
struct Small
{
  explicit Small(int v = 0) : value(v) {}
  int value;
  char padding[20];
};

// Same size as Small, so both draw from one pool.
struct SameSize
{
  int value = 0;
  char padding[20];
};
static_assert(sizeof(Small) == sizeof(SameSize));

struct Counted
{
  explicit Counted(int* destroyed) : counter(destroyed) {}
  ~Counted() { ++*counter; }
  int* counter;
};

struct Base
{
  virtual ~Base() = default;
  int baseValue = 1;
};
struct Mixin
{
  virtual ~Mixin() = default;
  double mixinValue = 2.0;
};
struct Derived : Base, Mixin
{
  explicit Derived(bool* destroyed) : flag(destroyed) {}
  ~Derived() override { *flag = true; }
  bool* flag;
};

// A destructor that allocates an object of its own size: the freed block must not be reused
// while the destructor still runs on it.
struct AllocatesInDestructor
{
  ~AllocatesInDestructor()
  {
    auto* other = MemoryManager::New<AllocatesInDestructorSibling>(BRINDLE_SITE);
    other->marker = 77;
    survivor = other;
    markerSeenAfterwards = marker;
  }
  struct AllocatesInDestructorSibling
  {
    int marker = 0;
    int unused[7] = {};
  };
  int marker = 42;
  int unused[7] = {};
  static inline AllocatesInDestructorSibling* survivor = nullptr;
  static inline int markerSeenAfterwards = 0;
};
}  // namespace

TEST(MemoryManager, PoolsHandOutBlocksInPagesWithRisingIds)
{
  ScopedMemoryManager manager;
  Small* first = MemoryManager::New<Small>(BRINDLE_SITE, 1);
  BlockHeader* header = BlockHeader::FromObject(first);
  EXPECT_EQ(header->index, 0u);
  EXPECT_EQ(header->currentId, 1u);
  Pool* pool = manager->GetPool(sizeof(Small));
  EXPECT_EQ(pool->Capacity(), 1000u);

  std::vector<Small*> objects{first};
  for (int i = 1; i < 1001; ++i)
    objects.push_back(MemoryManager::New<Small>(BRINDLE_SITE, i));
  EXPECT_EQ(BlockHeader::FromObject(objects[1000])->index, 1000u);
  EXPECT_EQ(pool->Capacity(), 2000u);
  EXPECT_EQ(pool->InUseCount(), 1001u);

  for (Small* object : objects)
    MemoryManager::Delete(object);
  EXPECT_EQ(pool->InUseCount(), 0u);
  EXPECT_EQ(manager->RecordCount(), 0u);
}

TEST(MemoryManager, ReuseIsLastInFirstOutWithNewIds)
{
  ScopedMemoryManager manager;
  Small* a = MemoryManager::New<Small>(BRINDLE_SITE);
  Small* b = MemoryManager::New<Small>(BRINDLE_SITE);
  const std::uint32_t idOfA = BlockHeader::FromObject(a)->currentId;
  MemoryManager::Delete(a);
  MemoryManager::Delete(b);
  Small* first = MemoryManager::New<Small>(BRINDLE_SITE);
  Small* second = MemoryManager::New<Small>(BRINDLE_SITE);
  EXPECT_EQ(first, b);
  EXPECT_EQ(second, a);
  EXPECT_GT(BlockHeader::FromObject(second)->currentId, idOfA);
  MemoryManager::Delete(first);
  MemoryManager::Delete(second);
}

TEST(MemoryManager, ClassesOfEqualSizeShareOnePoolAndItsIds)
{
  ScopedMemoryManager manager;
  Small* small = MemoryManager::New<Small>(BRINDLE_SITE);
  SameSize* same = MemoryManager::New<SameSize>(BRINDLE_SITE);
  EXPECT_EQ(BlockHeader::FromObject(small)->pool, BlockHeader::FromObject(same)->pool);
  EXPECT_EQ(BlockHeader::FromObject(small)->currentId + 1, BlockHeader::FromObject(same)->currentId);
  MemoryManager::Delete(small);
  MemoryManager::Delete(same);
}

TEST(MemoryManager, DeleteDestroysTheWholeObjectThroughAnyBase)
{
  ScopedMemoryManager manager;
  bool destroyed = false;
  Derived* object = MemoryManager::New<Derived>(BRINDLE_SITE, &destroyed);
  Mixin* throughSecondBase = object;
  ASSERT_NE(static_cast<void*>(throughSecondBase), static_cast<void*>(object));
  MemoryManager::Delete(throughSecondBase);
  EXPECT_TRUE(destroyed);
  EXPECT_EQ(manager->RecordCount(), 0u);
}

TEST(MemoryManager, DeleteRefusesWhatItDidNotHandOut)
{
  ScopedMemoryManager manager;
  RecordingAssertHandler checks;
  int destroyed = 0;
  Small* kept = MemoryManager::New<Small>(BRINDLE_SITE);

  Small* none = nullptr;
  MemoryManager::Delete(none);
  Small onStack;
  MemoryManager::Delete(&onStack);
  Handle<Counted> owned = MemoryManager::NewHandle<Counted>(BRINDLE_SITE, &destroyed);
  MemoryManager::Delete(owned.Get());
  Small* twice = MemoryManager::New<Small>(BRINDLE_SITE);
  MemoryManager::Delete(twice);
  MemoryManager::Delete(twice);
  // An address inside a live block but not at its start.
  MemoryManager::Delete(reinterpret_cast<Small*>(reinterpret_cast<char*>(kept) + 4));
  // The start of an object in a block of the page that was never handed out.
  const std::uint32_t stride = manager->GetPool(sizeof(Small))->Stride();
  MemoryManager::Delete(reinterpret_cast<Small*>(reinterpret_cast<char*>(kept) + 500 * stride));

  ASSERT_EQ(checks.Count(), 6u);
  for (const AssertReport& report : checks.Reports())
  {
    EXPECT_EQ(report.message, "Delete called on block not allocated with custom New or Malloc");
    EXPECT_EQ(report.function.find("MemoryManager::"), 0u);
  }
  EXPECT_EQ(destroyed, 0);
  EXPECT_TRUE(owned.IsValid());
  EXPECT_EQ(manager->RecordCount(), 1u);
  owned.Release();
  EXPECT_EQ(destroyed, 1);
  MemoryManager::Delete(kept);
}

TEST(MemoryManager, DestructorRunsBeforeTheBlockCanBeReused)
{
  ScopedMemoryManager manager;
  auto* object = MemoryManager::New<AllocatesInDestructor>(BRINDLE_SITE);
  static_assert(sizeof(AllocatesInDestructor) == sizeof(AllocatesInDestructor::AllocatesInDestructorSibling));
  MemoryManager::Delete(object);
  EXPECT_EQ(AllocatesInDestructor::markerSeenAfterwards, 42);
  ASSERT_NE(AllocatesInDestructor::survivor, nullptr);
  EXPECT_NE(static_cast<void*>(AllocatesInDestructor::survivor), static_cast<void*>(object));
  EXPECT_EQ(AllocatesInDestructor::survivor->marker, 77);
  MemoryManager::Delete(AllocatesInDestructor::survivor);
}

TEST(MemoryManager, TeardownReportsEveryRecordInAddressOrder)
{
  RecordingAssertHandler checks;
  ScopedMemoryManager manager;
  const int lineA = __LINE__ + 1;
  MemoryManager::New<Small>(BRINDLE_SITE, 1);
  Small* b = MemoryManager::New<Small>(BRINDLE_SITE, 2);
  const int lineC = __LINE__ + 1;
  MemoryManager::New<Small>(BRINDLE_SITE, 3);
  MemoryManager::Delete(b);
  // Made last, but it takes b's block, between the other two in address order.
  const int lineD = __LINE__ + 1;
  MemoryManager::New<Small>(BRINDLE_SITE, 4);
  // Objects owned by handles are never reported, whatever happens to them.
  Handle<SameSize> owned = MemoryManager::NewHandle<SameSize>(BRINDLE_SITE);
  owned.Release();
  manager.Destroy();

  ASSERT_EQ(checks.Count(), 1u);
  const std::string prefix =
      std::string(__FILE__) + " | MemoryManager_TeardownReportsEveryRecordInAddressOrder_Test::TestBody | LINE: ";
  const std::string expected = "3 Unhandled blocks leaked\n\n" + prefix + std::to_string(lineA) + "\n" + prefix +
                               std::to_string(lineD) + "\n" + prefix + std::to_string(lineC) + "\n";
  EXPECT_EQ(checks.Reports()[0].message, expected);
  EXPECT_EQ(checks.Reports()[0].function, "MemoryManager::~MemoryManager");
}

TEST(MemoryManager, TeardownWithNothingLeftReportsNothing)
{
  RecordingAssertHandler checks;
  ScopedMemoryManager manager;
  MemoryManager::Delete(MemoryManager::New<Small>(BRINDLE_SITE));
  manager.Destroy();
  EXPECT_EQ(checks.Count(), 0u);
}

TEST(MemoryManager, SiteRecordPrintsFileThenFunctionThenLine)
{
  ScopedMemoryManager manager;
  const int line = __LINE__ + 1;
  Small* object = MemoryManager::New<Small>(BRINDLE_SITE);
  const SiteTag* record = manager->FindRecord(object);
  ASSERT_NE(record, nullptr);
  std::ostringstream printed;
  printed << HandleSite(*record, nullptr);
  EXPECT_EQ(printed.str(), std::string(__FILE__) + " | MemoryManager_SiteRecordPrintsFileThenFunctionThenLine_Test::TestBody | LINE: " +
                               std::to_string(line));
  MemoryManager::Delete(object);
  EXPECT_EQ(manager->FindRecord(object), nullptr);
}

namespace
{
template <int Bytes>
struct Blob
{
  char bytes[Bytes];
};

template <int Bytes>
void MakeAndDeleteMany(std::size_t count)
{
  std::vector<Blob<Bytes>*> blobs;
  for (std::size_t i = 0; i < count; ++i)
    blobs.push_back(MemoryManager::New<Blob<Bytes>>(BRINDLE_SITE));
  for (Blob<Bytes>* blob : blobs)
    MemoryManager::Delete(blob);
}
}  // namespace

TEST(MemoryManager, EveryBlockOfEveryPageIsFoundAgainWhateverTheStride)
{
  ScopedMemoryManager manager;
  RecordingAssertHandler checks;
  MakeAndDeleteMany<1>(2500);
  MakeAndDeleteMany<40>(2500);
  MakeAndDeleteMany<333>(2500);
  MakeAndDeleteMany<4000>(1200);
  EXPECT_EQ(checks.Count(), 0u);
  EXPECT_EQ(manager->RecordCount(), 0u);
}
