// Pooled allocation against the system allocator (glibc's new and delete), each timed in the
// same iterations as the other.
//
// Counters to read: pool_vs_glibc is the pool's time over glibc's for the same work (below 1 is
// faster); pool_ns and glibc_ns are the nanoseconds of one allocation and its delete.
//   PoolOneSize/1     one size, each object deleted right after it is made
//   PoolOneSize/1000  one size, a thousand made, then deleted in the order they were made
//   PoolMixedShuffled four sizes made in turn, deleted through their base in a shuffled order
#include "Versus.h"

#include "core/MemoryManager.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace
{
// Components and events are polymorphic and come in many sizes.
struct ObjectBase
{
  virtual ~ObjectBase() = default;
  int value = 0;
};
template <int Floats>
struct Sized : ObjectBase
{
  explicit Sized(int v) { value = v; }
  float data[Floats] = {};
};
using OneSize = Sized<10>;

constexpr int BatchSize = 1000;

std::vector<int> ShuffledOrder()
{
  std::vector<int> order(BatchSize);
  unsigned state = 12345;
  for (int i = 0; i < BatchSize; ++i)
    order[i] = i;
  for (int i = BatchSize - 1; i > 0; --i)
  {
    state = state * 1103515245u + 12345u;
    std::swap(order[i], order[(state >> 8) % static_cast<unsigned>(i + 1)]);
  }
  return order;
}

// Makes BatchSize objects `together` at a time, deleting each group in the order it was made.
template <typename Make, typename Destroy>
void OneSizeBatches(std::vector<OneSize*>& objects, int together, Make make, Destroy destroy)
{
  for (int first = 0; first < BatchSize; first += together)
  {
    for (int i = first; i < first + together; ++i)
      objects[i] = make(i);
    benchmark::DoNotOptimize(objects.data());
    for (int i = first; i < first + together; ++i)
      destroy(objects[i]);
  }
  benchmark::ClobberMemory();
}

void PoolOneSize(benchmark::State& state)
{
  MemoryManager::Instance();
  const int together = static_cast<int>(state.range(0));
  std::vector<OneSize*> objects(BatchSize);
  TimeAgainst(
      state, "pool", "glibc", BatchSize,
      [&] { OneSizeBatches(objects, together, [](int i) { return new OneSize(i); }, [](OneSize* o) { delete o; }); },
      [&] {
        OneSizeBatches(
            objects, together, [](int i) { return MemoryManager::New<OneSize>(BRINDLE_SITE, i); },
            [](OneSize* o) { MemoryManager::Delete(o); });
      });
}
BENCHMARK(PoolOneSize)->Arg(1)->Arg(BatchSize)->UseManualTime();

ObjectBase* MakePlain(int i)
{
  switch (i & 3)
  {
  case 0: return new Sized<4>(i);
  case 1: return new Sized<10>(i);
  case 2: return new Sized<22>(i);
  default: return new Sized<48>(i);
  }
}

ObjectBase* MakePooled(int i)
{
  switch (i & 3)
  {
  case 0: return MemoryManager::New<Sized<4>>(BRINDLE_SITE, i);
  case 1: return MemoryManager::New<Sized<10>>(BRINDLE_SITE, i);
  case 2: return MemoryManager::New<Sized<22>>(BRINDLE_SITE, i);
  default: return MemoryManager::New<Sized<48>>(BRINDLE_SITE, i);
  }
}

void PoolMixedShuffled(benchmark::State& state)
{
  MemoryManager::Instance();
  const std::vector<int> order = ShuffledOrder();
  std::vector<ObjectBase*> objects(BatchSize);
  auto run = [&](auto make, auto destroy) {
    for (int i = 0; i < BatchSize; ++i)
      objects[i] = make(i);
    benchmark::DoNotOptimize(objects.data());
    for (int i : order)
      destroy(objects[i]);
    benchmark::ClobberMemory();
  };
  TimeAgainst(
      state, "pool", "glibc", BatchSize, [&] { run(MakePlain, [](ObjectBase* o) { delete o; }); },
      [&] { run(MakePooled, [](ObjectBase* o) { MemoryManager::Delete(o); }); });
}
BENCHMARK(PoolMixedShuffled)->UseManualTime();
}  // namespace
