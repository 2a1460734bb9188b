#pragma once
// The program's one event bus. Subscriptions live in a dense table of event type by channel;
// events are delivered at once (SendEvent) or queued and delivered when the frame processes the
// queue. It also hands out the ids of game objects and spaces (which are their channels) and the
// listener ids of components.
//
// Handlers may subscribe, unsubscribe, send and queue from inside a delivery. Removals during a
// delivery leave a hole that is skipped and swept once the outermost delivery is over, so the
// subscriber behind a removed one never misses the event and no running handler is freed.
#include "core/Event.h"
#include "core/Listener.h"
#include "core/MemoryManager.h"
#include "core/Subscription.h"

#include <cstdint>
#include <vector>

class EventManager
{
public:
  static constexpr std::uint32_t FirstObjectId = 6;

  EventManager();
  ~EventManager();
  EventManager(const EventManager&) = delete;
  EventManager& operator=(const EventManager&) = delete;

  // The manager published by the session; null outside its life.
  static EventManager* Instance();
  static void SetInstance(EventManager* manager);

  // Binds listener->On(E*) to events of class E on the channel. A channel of 7,000 or more, or a
  // second subscription of the same listener to the same type and channel, is dropped.
  template <typename L, typename E>
  void Subscribe(L* listener, std::uint32_t channel);

  void AddSubscription(std::uint32_t type, std::uint32_t channel, Subscription* subscription);
  void Unsubscribe(const Listener& listener, std::uint32_t type, std::uint32_t channel);
  void UnsubscribeAll(std::uint32_t id);

  void QueueEvent(Event* event);
  void SendEvent(Event* event);
  void DispatchEvent(Event* event);
  void ProcessQueue();

  std::uint32_t GetNewGOID();
  void RecycleGOID(std::uint32_t id);
  std::uint32_t GetNewListenerId() { return nextListenerId++; }

  // For tests and the debug windows.
  std::size_t SubscriptionCount(std::uint32_t type, std::uint32_t channel) const;
  std::size_t QueueLength() const { return queue.size(); }

private:
  using Cell = std::vector<Subscription*>;

  Cell* CellAt(std::uint32_t type, std::uint32_t channel);
  const Cell* CellAt(std::uint32_t type, std::uint32_t channel) const;
  // Takes a subscription out of its cell: at once when no delivery is running, otherwise as a
  // hole that is swept later.
  void RemoveAt(Cell& cell, std::size_t position);
  void SweepRemoved();

  std::uint32_t nextObjectId = FirstObjectId;
  std::uint32_t nextListenerId = 0;
  std::vector<std::uint32_t> freeIds;
  std::vector<Event*> queue;
  std::vector<Cell> table;  // EventTypeCount rows of ChannelCount cells
  int deliveryDepth = 0;
  std::vector<Cell*> cellsWithHoles;
  std::vector<Subscription*> removedDuringDelivery;
  bool warnedIdRangeExhausted = false;
};

template <typename L, typename E>
void EventManager::Subscribe(L* listener, std::uint32_t channel)
{
  if (channel >= ChannelCount)
    return;
  std::function<void(E*)> handler = [listener](E* event) { listener->On(event); };
  auto* subscription = MemoryManager::New<TemplatedSubscription<E>>(BRINDLE_SITE, listener, std::move(handler));
  AddSubscription(E::TypeId, channel, subscription);
}
