// Pooled allocation against the system allocator, and the cost of delivering an event.
#include "core/EventManager.h"
#include "core/MemoryManager.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace
{
// Components and events come in many sizes and die in no particular order; the benchmark
// makes four sizes in turn and frees them in a fixed shuffled order.
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

template <typename Make, typename Destroy>
void RunBatch(benchmark::State& state, Make make, Destroy destroy)
{
  const std::vector<int> order = ShuffledOrder();
  std::vector<ObjectBase*> objects(BatchSize);
  for (auto _ : state)
  {
    for (int i = 0; i < BatchSize; ++i)
      objects[i] = make(i);
    for (int i : order)
      destroy(objects[i]);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * BatchSize);
}

void PlainNewDelete(benchmark::State& state)
{
  RunBatch(
      state,
      [](int i) -> ObjectBase* {
        switch (i & 3)
        {
        case 0: return new Sized<4>(i);
        case 1: return new Sized<10>(i);
        case 2: return new Sized<22>(i);
        default: return new Sized<48>(i);
        }
      },
      [](ObjectBase* object) { delete object; });
}
BENCHMARK(PlainNewDelete);

void PooledNewDelete(benchmark::State& state)
{
  MemoryManager::Instance();
  RunBatch(
      state,
      [](int i) -> ObjectBase* {
        switch (i & 3)
        {
        case 0: return MemoryManager::New<Sized<4>>(BRINDLE_SITE, i);
        case 1: return MemoryManager::New<Sized<10>>(BRINDLE_SITE, i);
        case 2: return MemoryManager::New<Sized<22>>(BRINDLE_SITE, i);
        default: return MemoryManager::New<Sized<48>>(BRINDLE_SITE, i);
        }
      },
      [](ObjectBase* object) { MemoryManager::Delete(object); });
}
BENCHMARK(PooledNewDelete);

struct BenchEvent : Event
{
  BRINDLE_EVENT_TYPE(7)
  BenchEvent(std::uint32_t channel, int v) : Event(channel), value(v) {}
  int value;
};

class Counter : public Listener
{
public:
  Counter() : Listener(0) {}
  void On(BenchEvent* event) { total += event->value; }
  long total = 0;
};

// Events are queued then processed; each delivered event counts once per subscriber.
void QueuedDelivery(benchmark::State& state)
{
  MemoryManager::Instance();
  const int subscribers = static_cast<int>(state.range(0));
  auto events = std::make_unique<EventManager>();
  std::vector<Counter> counters(static_cast<std::size_t>(subscribers));
  for (Counter& counter : counters)
    events->Subscribe<Counter, BenchEvent>(&counter, 100);
  for (auto _ : state)
  {
    for (int i = 0; i < BatchSize; ++i)
      events->QueueEvent(MemoryManager::New<BenchEvent>(BRINDLE_SITE, 100u, i));
    events->ProcessQueue();
  }
  state.SetItemsProcessed(state.iterations() * BatchSize * subscribers);
  state.counters["ns_per_delivery"] =
      benchmark::Counter(static_cast<double>(state.iterations()) * BatchSize * subscribers,
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(QueuedDelivery)->Arg(1)->Arg(10);

void ImmediateDelivery(benchmark::State& state)
{
  MemoryManager::Instance();
  auto events = std::make_unique<EventManager>();
  Counter counter;
  events->Subscribe<Counter, BenchEvent>(&counter, 100);
  for (auto _ : state)
    events->SendEvent(MemoryManager::New<BenchEvent>(BRINDLE_SITE, 100u, 1));
  state.SetItemsProcessed(state.iterations());
  state.counters["ns_per_delivery"] =
      benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(ImmediateDelivery);
}  // namespace
