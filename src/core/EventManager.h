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
#include "core/SubscriptionIndex.h"

#include <cstdint>
#include <memory>
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

  // These take an event made with MemoryManager::New and delete it once it is delivered.
  void QueueEvent(Event* event);
  void SendEvent(Event* event);
  void DispatchEvent(Event* event);
  void ProcessQueue();
  // Delivers at once an event the caller keeps (one made on the stack): nothing is allocated or
  // freed, so an event nobody listens to costs a table lookup.
  void Deliver(Event& event);

  // The next free object id, recycled ones first. Every id is unique while its object lives, also
  // past the channels: an object with an id of ChannelCount or more hears nothing, and whoever
  // builds objects for a level refuses it (the factory does), but an object built by hand still
  // counts as itself wherever objects are kept by id.
  std::uint32_t GetNewGOID();
  static bool HasChannel(std::uint32_t id) { return id < ChannelCount; }
  void RecycleGOID(std::uint32_t id);
  std::uint32_t GetNewListenerId() { return nextListenerId++; }

  // For tests and the debug windows.
  std::size_t SubscriptionCount(std::uint32_t type, std::uint32_t channel) const;
  std::size_t QueueLength() const { return queue.size(); }
  // The bytes the subscription table holds now: its rows, its cells, their lists and the index
  // of who is in which list.
  std::size_t TableBytes() const;

private:
  // One subscriber of a cell: the listener and the one function that hands it the event, with
  // the listener's liveness token unpacked so that a delivery tests it in one comparison. A
  // subscription object handed in through AddSubscription is the target of a binding that calls
  // CallSubscription, and that binding owns it. A binding without a call is a hole left by a
  // removal during a delivery.
  struct Binding
  {
    void* target = nullptr;
    void (*call)(void* target, Event* event) = nullptr;
    BlockHeader* tokenBlock = nullptr;
    std::uint32_t tokenId = 0;

    bool IsAlive() const { return tokenBlock->currentId == tokenId; }
    Subscription* Owned() const
    {
      return call == &CallSubscription ? static_cast<Subscription*>(target) : nullptr;
    }
  };
  using Cell = std::vector<Binding>;

  template <typename L, typename E>
  static void CallOn(void* listener, Event* event)
  {
    // The manager only offers an event to the bindings of its own type's row.
    static_cast<L*>(listener)->On(static_cast<E*>(event));
  }
  static void CallSubscription(void* subscription, Event* event);
  // Files the binding in the cell of (type, channel) unless its listener is already there or gone;
  // false (and the owned subscription deleted) when it was not filed.
  bool Bind(std::uint32_t type, std::uint32_t channel, const Binding& binding);
  // Hands the event to every live binding of the cell.
  void DeliverTo(Cell& cell, Event& event);
  // Reports an event whose type or channel is outside the table.
  static void ReportUndeliverable(std::uint32_t type, std::uint32_t channel);
  // The table is indexed directly by type and channel, but only the rows of types somebody
  // subscribed to exist, and a row holds a cell's number rather than the cell: most of the
  // 85 x 7,000 (type, channel) pairs never see a subscriber.
  using Row = std::unique_ptr<std::uint32_t[]>;
  static constexpr std::uint32_t CellsPerChunk = 256;

  // The cell of (type, channel), or null when nobody ever subscribed there (or out of range).
  Cell* FindCell(std::uint32_t type, std::uint32_t channel) const
  {
    if (type >= EventTypeCount || channel >= ChannelCount)
      return nullptr;
    const std::uint32_t* row = rows[type].get();
    if (row == nullptr)
      return nullptr;
    const std::uint32_t number = row[channel];
    if (number == 0)
      return nullptr;
    return &cellChunks[(number - 1) / CellsPerChunk][(number - 1) % CellsPerChunk];
  }
  // The cell of (type, channel), made on first use; null only out of range.
  Cell* MakeCell(std::uint32_t type, std::uint32_t channel);
  // Takes a subscription out of its cell: at once when no delivery is running, otherwise as a
  // hole that is swept later.
  void RemoveAt(Cell& cell, std::size_t position);
  void SweepRemoved();
  // Removes every subscription filed under the id, for every type.
  void RemoveAllOn(std::uint32_t id);

  std::uint32_t nextObjectId = FirstObjectId;
  std::uint32_t nextListenerId = 0;
  std::vector<std::uint32_t> freeIds;
  std::vector<Event*> queue;
  std::unique_ptr<Row[]> rows;  // EventTypeCount rows of ChannelCount cell numbers (0: no cell)
  // Cells never move once made, so a delivery may hold one while handlers subscribe elsewhere.
  std::vector<std::unique_ptr<Cell[]>> cellChunks;
  std::uint32_t cellCount = 0;
  // Who is subscribed in which cell, for the duplicate check; holes left during a delivery are
  // already out of it.
  SubscriptionIndex listed;
  int deliveryDepth = 0;
  std::vector<Cell*> cellsWithHoles;
  std::vector<Subscription*> removedDuringDelivery;  // owned subscriptions of the holes
};

template <typename L, typename E>
void EventManager::Subscribe(L* listener, std::uint32_t channel)
{
  if (channel >= ChannelCount || listener == nullptr)
    return;
  Binding binding;
  binding.target = listener;
  binding.call = &CallOn<L, E>;
  const Handle<LivenessToken> token = listener->GetHandle();
  binding.tokenBlock = token.GetBlock();
  binding.tokenId = token.GetId();
  Bind(E::TypeId, channel, binding);
}
