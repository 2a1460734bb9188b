// The event bus against the plainest thing that does the same work: events made with glibc's
// new, held in a vector, handed to a vector of std::function handlers and deleted. Both are timed
// in the same iterations.
//
// Counters to read:
//   QueuedDelivery/N   bus_vs_functions (goal: at most 2), per-delivery nanoseconds of each, with
//                      N subscribers on the channel
//   ImmediateDelivery  the same for SendEvent, one subscriber
//   SendVersusDirectCall/P  an event sent at once to its one subscriber against calling the
//                      subscriber's handler directly with an event made on the stack:
//                      send_vs_direct_call. P=0: the event made on the stack and handed to Deliver,
//                      as SendNow does (goal: at most 5); P=1: made with MemoryManager::New and
//                      handed to SendEvent, which frees it
//   DrawFanOut/N       one event sent to N subscribers (as a space's DrawEvent reaches every
//                      sprite), against calling the N handlers directly: fan_out_vs_direct_calls
//   UnheardEvent/R     an event queued to a channel nobody hears (R=1: its type has subscribers on
//                      other channels; R=0: nobody subscribed to the type at all); bus_ns is the
//                      whole cost, allocation included (goal: under 20)
//   SubscriptionTable  the table's bytes: table_bytes_before is the layout with a list for every
//                      (type, channel) pair made up front; empty_bytes and loaded_bytes are ours
//                      when new and with 2,000 objects holding four subscriptions each
#include "Versus.h"

#include "core/EventManager.h"
#include "core/MemoryManager.h"

#include <benchmark/benchmark.h>

#include <functional>
#include <memory>
#include <vector>

namespace
{
constexpr int BatchSize = 1000;
constexpr std::uint32_t BusyChannel = 100;

struct BenchEvent : Event
{
  BRINDLE_EVENT_TYPE(7)
  BenchEvent(std::uint32_t channel, int v) : Event(channel), value(v) {}
  int value;
};

struct OtherEvent : Event
{
  BRINDLE_EVENT_TYPE(9)
  using Event::Event;
};

class Counter : public Listener
{
public:
  Counter() : Listener(0) {}
  void On(BenchEvent* event) { total += event->value; }
  void On(OtherEvent*) { ++total; }
  long total = 0;
};

// The bus and `subscribers` counters on BusyChannel; the baseline's handlers call the same
// counters' On.
struct Bus
{
  explicit Bus(int subscribers) : events(std::make_unique<EventManager>()), counters(static_cast<std::size_t>(subscribers))
  {
    MemoryManager::Instance();
    for (Counter& counter : counters)
    {
      events->Subscribe<Counter, BenchEvent>(&counter, BusyChannel);
      Counter* target = &counter;
      handlers.push_back([target](BenchEvent* event) { target->On(event); });
    }
  }

  // The baseline: BatchSize events made, queued in a vector, delivered to every handler, deleted.
  void PlainBatch(std::uint32_t channel)
  {
    for (int i = 0; i < BatchSize; ++i)
      plainQueue.push_back(new BenchEvent(channel, i));
    for (BenchEvent* event : plainQueue)
    {
      if (event->GetChannel() == BusyChannel)
        for (const auto& handler : handlers)
          handler(event);
      delete event;
    }
    plainQueue.clear();
  }

  void QueuedBatch(std::uint32_t channel)
  {
    for (int i = 0; i < BatchSize; ++i)
      events->QueueEvent(MemoryManager::New<BenchEvent>(BRINDLE_SITE, channel, i));
    events->ProcessQueue();
  }

  std::unique_ptr<EventManager> events;
  std::vector<Counter> counters;
  std::vector<std::function<void(BenchEvent*)>> handlers;
  std::vector<BenchEvent*> plainQueue;
};

void QueuedDelivery(benchmark::State& state)
{
  const int subscribers = static_cast<int>(state.range(0));
  Bus bus(subscribers);
  TimeAgainst(
      state, "bus", "functions", static_cast<double>(BatchSize) * subscribers, [&] { bus.PlainBatch(BusyChannel); },
      [&] { bus.QueuedBatch(BusyChannel); });
}
BENCHMARK(QueuedDelivery)->Arg(1)->Arg(10)->UseManualTime();

void ImmediateDelivery(benchmark::State& state)
{
  Bus bus(1);
  TimeAgainst(
      state, "bus", "functions", BatchSize,
      [&] {
        for (int i = 0; i < BatchSize; ++i)
        {
          auto* event = new BenchEvent(BusyChannel, i);
          benchmark::DoNotOptimize(event);
          bus.handlers[0](event);
          delete event;
        }
      },
      [&] {
        for (int i = 0; i < BatchSize; ++i)
          bus.events->SendEvent(MemoryManager::New<BenchEvent>(BRINDLE_SITE, BusyChannel, i));
      });
}
BENCHMARK(ImmediateDelivery)->UseManualTime();

// A component's handler: defined in its own file, it is not inlined into whoever calls it.
class Handler : public Listener
{
public:
  Handler() : Listener(0) {}
  __attribute__((noinline)) void On(BenchEvent* event) { total += event->value; }
  long total = 0;
};

// `count` handlers subscribed to BenchEvent on BusyChannel.
struct Handlers
{
  explicit Handlers(int count) : events(std::make_unique<EventManager>()), handlers(static_cast<std::size_t>(count))
  {
    MemoryManager::Instance();
    for (Handler& handler : handlers)
      events->Subscribe<Handler, BenchEvent>(&handler, BusyChannel);
  }
  std::unique_ptr<EventManager> events;
  std::vector<Handler> handlers;
};

void SendVersusDirectCall(benchmark::State& state)
{
  const bool pooled = state.range(0) != 0;
  Handlers bus(1);
  Handler& counter = bus.handlers[0];
  TimeAgainst(
      state, "send", "direct_call", BatchSize,
      [&] {
        for (int i = 0; i < BatchSize; ++i)
        {
          BenchEvent event(BusyChannel, i);
          benchmark::DoNotOptimize(&event);
          counter.On(&event);
        }
      },
      [&] {
        if (pooled)
        {
          for (int i = 0; i < BatchSize; ++i)
            bus.events->SendEvent(MemoryManager::New<BenchEvent>(BRINDLE_SITE, BusyChannel, i));
          return;
        }
        for (int i = 0; i < BatchSize; ++i)
        {
          BenchEvent event(BusyChannel, i);
          bus.events->Deliver(event);
        }
      });
}
BENCHMARK(SendVersusDirectCall)->Arg(0)->Arg(1)->UseManualTime();

void DrawFanOut(benchmark::State& state)
{
  const int subscribers = static_cast<int>(state.range(0));
  Handlers bus(subscribers);
  TimeAgainst(
      state, "fan_out", "direct_calls", subscribers,
      [&] {
        BenchEvent event(BusyChannel, 1);
        benchmark::DoNotOptimize(&event);
        for (Handler& handler : bus.handlers)
          handler.On(&event);
      },
      [&] { bus.events->SendEvent(MemoryManager::New<BenchEvent>(BRINDLE_SITE, BusyChannel, 1)); });
}
BENCHMARK(DrawFanOut)->Arg(1000)->UseManualTime();

void UnheardEvent(benchmark::State& state)
{
  Bus bus(state.range(0) != 0 ? 1 : 0);
  TimeAgainst(
      state, "bus", "functions", BatchSize, [&] { bus.PlainBatch(BusyChannel + 1); },
      [&] { bus.QueuedBatch(BusyChannel + 1); });
}
BENCHMARK(UnheardEvent)->Arg(0)->Arg(1)->UseManualTime();

void SubscriptionTable(benchmark::State& state)
{
  MemoryManager::Instance();
  auto events = std::make_unique<EventManager>();
  const double emptyBytes = static_cast<double>(events->TableBytes());
  std::vector<Counter> counters(2000);
  for (auto _ : state)
  {
    for (std::size_t index = 0; index < counters.size(); ++index)
    {
      const auto channel = static_cast<std::uint32_t>(EventManager::FirstObjectId + index);
      events->Subscribe<Counter, BenchEvent>(&counters[index], channel);
      events->Subscribe<Counter, OtherEvent>(&counters[index], channel);
      events->Subscribe<Counter, BenchEvent>(&counters[index], BusyChannel);
      events->Subscribe<Counter, OtherEvent>(&counters[index], BusyChannel);
    }
  }
  state.counters["table_bytes_before"] =
      static_cast<double>(EventTypeCount) * ChannelCount * sizeof(std::vector<Subscription*>);
  state.counters["empty_bytes"] = emptyBytes;
  state.counters["loaded_bytes"] = static_cast<double>(events->TableBytes());
}
BENCHMARK(SubscriptionTable)->Iterations(1);
}  // namespace
