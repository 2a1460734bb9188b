#include "core/EventManager.h"

#include "support/CapturedLog.h"
#include "support/RecordingAssertHandler.h"
#include "support/ScopedMemoryManager.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace
{
struct PingEvent : Event
{
  BRINDLE_EVENT_TYPE(7)
  PingEvent(std::uint32_t channel, std::string text) : Event(channel), label(std::move(text)) {}
  std::string label;
};

struct PongEvent : Event
{
  BRINDLE_EVENT_TYPE(25)
  using Event::Event;
};

struct BaseTypeEvent : Event
{
  using Event::Event;  // reports the base type id, 85
};

std::vector<std::string> deliveries;

class Recorder : public Listener
{
public:
  explicit Recorder(std::string recorderName, std::uint32_t id = 0) : Listener(id), name(std::move(recorderName)) {}
  void On(PingEvent* event)
  {
    deliveries.push_back(name + ":" + event->label);
    if (onPing)
      onPing(event);
  }
  void On(PongEvent*) { deliveries.push_back(name + ":pong"); }
  std::function<void(PingEvent*)> onPing;
  std::string name;
};

class EventManagerTest : public ::testing::Test
{
protected:
  EventManagerTest()
  {
    deliveries.clear();
    events = new EventManager();
    EventManager::SetInstance(events);
  }
  ~EventManagerTest() override
  {
    delete events;
    EventManager::SetInstance(nullptr);
  }

  void Send(std::uint32_t channel, const std::string& label)
  {
    events->SendEvent(MemoryManager::New<PingEvent>(BRINDLE_SITE, channel, label));
  }
  void Queue(std::uint32_t channel, const std::string& label)
  {
    events->QueueEvent(MemoryManager::New<PingEvent>(BRINDLE_SITE, channel, label));
  }

  ScopedMemoryManager memory;
  RecordingAssertHandler checks;
  EventManager* events;
};
}  // namespace

TEST_F(EventManagerTest, SendDeliversInSubscriptionOrderAndDropsDuplicates)
{
  Recorder first("first"), second("second");
  events->Subscribe<Recorder, PingEvent>(&first, 10);
  events->Subscribe<Recorder, PingEvent>(&second, 10);
  events->Subscribe<Recorder, PingEvent>(&first, 10);  // same listener again: dropped
  events->Subscribe<Recorder, PingEvent>(&first, 11);  // another channel: its own
  events->Subscribe<Recorder, PongEvent>(&first, 10);  // another type: its own
  EXPECT_EQ(events->SubscriptionCount(PingEvent::TypeId, 10), 2u);

  Send(10, "a");
  Send(11, "b");
  Send(12, "nobody");
  events->SendEvent(MemoryManager::New<PongEvent>(BRINDLE_SITE, 10u));
  // An event the caller keeps goes the same way and stays the caller's.
  PingEvent kept(10, "kept");
  events->Deliver(kept);
  EXPECT_EQ(deliveries,
            (std::vector<std::string>{"first:a", "second:a", "first:b", "first:pong", "first:kept", "second:kept"}));
  EXPECT_EQ(memory->RecordCount(), 0u);  // every event was freed
}

TEST_F(EventManagerTest, ListenersThatShareAnIdNumberAreStillDifferentSubscribers)
{
  // A component's listener id can equal a space's id; both must receive the event.
  Recorder component("component", 9), space("space", 9);
  events->Subscribe<Recorder, PingEvent>(&component, 20);
  events->Subscribe<Recorder, PingEvent>(&space, 20);
  Send(20, "x");
  EXPECT_EQ(deliveries, (std::vector<std::string>{"component:x", "space:x"}));
  events->Unsubscribe(space, PingEvent::TypeId, 20);
  Send(20, "y");
  EXPECT_EQ(deliveries.back(), "component:y");
  EXPECT_EQ(events->SubscriptionCount(PingEvent::TypeId, 20), 1u);
}

TEST_F(EventManagerTest, DeadListenersAreSkippedAndRemoved)
{
  Recorder s1("s1"), s3("s3");
  auto* s2 = new Recorder("s2");
  events->Subscribe<Recorder, PingEvent>(&s1, 30);
  events->Subscribe<Recorder, PingEvent>(s2, 30);
  events->Subscribe<Recorder, PingEvent>(&s3, 30);
  Send(30, "before");
  delete s2;
  Send(30, "after");
  EXPECT_EQ(deliveries, (std::vector<std::string>{"s1:before", "s2:before", "s3:before", "s1:after", "s3:after"}));
  EXPECT_EQ(events->SubscriptionCount(PingEvent::TypeId, 30), 2u);
}

TEST_F(EventManagerTest, HandlersMayChangeTheListBeingDelivered)
{
  Recorder self("self"), next("next"), late("late");
  // A handler that removes its own subscription must not make the next subscriber miss the event.
  self.onPing = [&](PingEvent*) { events->Unsubscribe(self, PingEvent::TypeId, 40); };
  events->Subscribe<Recorder, PingEvent>(&self, 40);
  events->Subscribe<Recorder, PingEvent>(&next, 40);
  // A handler that subscribes someone to the list in delivery: the newcomer gets the same event.
  // It also subscribes on a thousand other channels, so the table grows while the list is walked.
  next.onPing = [&](PingEvent*) {
    events->Subscribe<Recorder, PingEvent>(&late, 40);
    for (std::uint32_t channel = 1000; channel < 2000; ++channel)
      events->Subscribe<Recorder, PingEvent>(&late, channel);
  };
  Send(40, "1");
  EXPECT_EQ(deliveries, (std::vector<std::string>{"self:1", "next:1", "late:1"}));
  Send(40, "2");
  EXPECT_EQ(deliveries, (std::vector<std::string>{"self:1", "next:1", "late:1", "next:2", "late:2"}));
  EXPECT_EQ(events->SubscriptionCount(PingEvent::TypeId, 40), 2u);
}

TEST_F(EventManagerTest, UnsubscribeAllInsideADeliveryEndsIt)
{
  Recorder killer("killer"), bystander("bystander");
  killer.onPing = [&](PingEvent*) { events->UnsubscribeAll(50); };
  events->Subscribe<Recorder, PingEvent>(&killer, 50);
  events->Subscribe<Recorder, PingEvent>(&bystander, 50);
  Send(50, "boom");
  EXPECT_EQ(deliveries, (std::vector<std::string>{"killer:boom"}));
  EXPECT_EQ(events->SubscriptionCount(PingEvent::TypeId, 50), 0u);
}

TEST_F(EventManagerTest, NestedSendsCompleteBeforeTheOuterDeliveryGoesOn)
{
  Recorder outer("outer"), inner("inner"), after("after");
  outer.onPing = [&](PingEvent* event) {
    if (event->label == "first")
      Send(61, "nested");
  };
  events->Subscribe<Recorder, PingEvent>(&outer, 60);
  events->Subscribe<Recorder, PingEvent>(&after, 60);
  events->Subscribe<Recorder, PingEvent>(&inner, 61);
  Send(60, "first");
  EXPECT_EQ(deliveries, (std::vector<std::string>{"outer:first", "inner:nested", "after:first"}));
}

TEST_F(EventManagerTest, QueuedEventsGoOutInOrderIncludingThoseQueuedDuringThePass)
{
  Recorder listener("l");
  listener.onPing = [&](PingEvent* event) {
    if (event->label == "X")
      Queue(70, "Z");
  };
  events->Subscribe<Recorder, PingEvent>(&listener, 70);
  Queue(70, "X");
  Queue(70, "Y");
  EXPECT_TRUE(deliveries.empty());
  events->ProcessQueue();
  EXPECT_EQ(deliveries, (std::vector<std::string>{"l:X", "l:Y", "l:Z"}));
  EXPECT_EQ(events->QueueLength(), 0u);
}

TEST_F(EventManagerTest, ChannelsOutsideTheTableAreRefusedEverywhere)
{
  CapturedLog output;
  Recorder listener("l");
  for (std::uint32_t channel : {7000u, 7001u, 0xFFFFFFFFu})
  {
    events->Subscribe<Recorder, PingEvent>(&listener, channel);
    Queue(channel, "queued");
    Send(channel, "sent");
    events->UnsubscribeAll(channel);
    events->RecycleGOID(channel);
  }
  events->Subscribe<Recorder, PingEvent>(&listener, 6999);
  Send(6999, "edge");
  EXPECT_EQ(events->QueueLength(), 0u);
  events->ProcessQueue();
  EXPECT_EQ(deliveries, (std::vector<std::string>{"l:edge"}));
  EXPECT_TRUE(output.Contains("[ERROR]"));
  // Every refused event was released.
  EXPECT_EQ(memory->RecordCount(), 0u);
}

TEST_F(EventManagerTest, AQueuedBaseTypeEventIsDroppedAndThePassGoesOn)
{
  CapturedLog output;
  Recorder listener("l");
  events->Subscribe<Recorder, PingEvent>(&listener, 80);
  events->QueueEvent(MemoryManager::New<BaseTypeEvent>(BRINDLE_SITE, 80u));
  Queue(80, "behind");
  events->ProcessQueue();
  EXPECT_EQ(deliveries, (std::vector<std::string>{"l:behind"}));
  EXPECT_EQ(output.CountOf("[ERROR]"), 1u);
}

TEST_F(EventManagerTest, ObjectIdsStartAtSixAndRecycleLastInFirstOut)
{
  EXPECT_EQ(events->GetNewGOID(), 6u);
  for (std::uint32_t expected = 7; expected <= 11; ++expected)
    EXPECT_EQ(events->GetNewGOID(), expected);
  Recorder listener("l");
  events->Subscribe<Recorder, PingEvent>(&listener, 10);
  events->Subscribe<Recorder, PongEvent>(&listener, 10);
  events->UnsubscribeAll(10);
  events->RecycleGOID(10);
  events->RecycleGOID(11);
  EXPECT_EQ(events->SubscriptionCount(PingEvent::TypeId, 10), 0u);
  EXPECT_EQ(events->SubscriptionCount(PongEvent::TypeId, 10), 0u);
  EXPECT_EQ(events->GetNewGOID(), 11u);
  EXPECT_EQ(events->GetNewGOID(), 10u);
  EXPECT_EQ(events->GetNewGOID(), 12u);
  EXPECT_EQ(events->GetNewListenerId(), 0u);
  EXPECT_EQ(events->GetNewListenerId(), 1u);
}

TEST_F(EventManagerTest, TheManagerReleasesWhatIsLeftWhenDestroyed)
{
  Recorder listener("l");
  events->Subscribe<Recorder, PingEvent>(&listener, 90);
  Queue(90, "never");
  delete events;
  events = nullptr;
  EXPECT_EQ(memory->RecordCount(), 0u);
  EXPECT_TRUE(deliveries.empty());
}
