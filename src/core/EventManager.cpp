#include "core/EventManager.h"

#include "app/Profiler.h"
#include "platform/Assert.h"

#include <algorithm>
#include <array>
#include <iostream>
#include <string>

namespace
{
EventManager* instance = nullptr;

// Queued deliveries are timed under the event's type id; the names are made once.
const std::string& ScopeNameForType(std::uint32_t type)
{
  static const std::array<std::string, EventTypeCount + 1> names = [] {
    std::array<std::string, EventTypeCount + 1> made;
    for (std::uint32_t i = 0; i <= EventTypeCount; ++i)
      made[i] = std::to_string(i);
    return made;
  }();
  return names[std::min(type, EventTypeCount)];
}

const std::string recycleScope = "RecycleGOID";
}  // namespace

EventManager* EventManager::Instance()
{
  return instance;
}

void EventManager::SetInstance(EventManager* manager)
{
  instance = manager;
}

EventManager::EventManager() : table(static_cast<std::size_t>(EventTypeCount) * ChannelCount)
{
}

EventManager::~EventManager()
{
  for (auto event = queue.rbegin(); event != queue.rend(); ++event)
    MemoryManager::Delete(*event);
  queue.clear();
  for (Cell& cell : table)
  {
    for (auto subscription = cell.rbegin(); subscription != cell.rend(); ++subscription)
      if (*subscription != nullptr)
        MemoryManager::Delete(*subscription);
    cell.clear();
  }
  for (Subscription* subscription : removedDuringDelivery)
    MemoryManager::Delete(subscription);
  if (instance == this)
    instance = nullptr;
}

EventManager::Cell* EventManager::CellAt(std::uint32_t type, std::uint32_t channel)
{
  if (type >= EventTypeCount || channel >= ChannelCount)
    return nullptr;
  return &table[static_cast<std::size_t>(type) * ChannelCount + channel];
}

const EventManager::Cell* EventManager::CellAt(std::uint32_t type, std::uint32_t channel) const
{
  return const_cast<EventManager*>(this)->CellAt(type, channel);
}

void EventManager::AddSubscription(std::uint32_t type, std::uint32_t channel, Subscription* subscription)
{
  Cell* cell = CellAt(type, channel);
  if (cell == nullptr)
  {
    std::cout << "[ERROR] Subscription to event type " << type << " on channel " << channel
              << " is outside the subscription table and was dropped." << std::endl;
    MemoryManager::Delete(subscription);
    return;
  }
  for (Subscription* existing : *cell)
  {
    if (existing != nullptr && existing->SameListener(*subscription))
    {
      MemoryManager::Delete(subscription);
      return;
    }
  }
  cell->push_back(subscription);
}

void EventManager::RemoveAt(Cell& cell, std::size_t position)
{
  Subscription* subscription = cell[position];
  if (subscription == nullptr)
    return;
  if (deliveryDepth == 0)
  {
    cell.erase(cell.begin() + static_cast<std::ptrdiff_t>(position));
    MemoryManager::Delete(subscription);
    return;
  }
  cell[position] = nullptr;
  removedDuringDelivery.push_back(subscription);
  cellsWithHoles.push_back(&cell);
}

void EventManager::SweepRemoved()
{
  for (Cell* cell : cellsWithHoles)
    cell->erase(std::remove(cell->begin(), cell->end(), nullptr), cell->end());
  cellsWithHoles.clear();
  std::vector<Subscription*> removed;
  removed.swap(removedDuringDelivery);
  for (Subscription* subscription : removed)
    MemoryManager::Delete(subscription);
}

void EventManager::Unsubscribe(const Listener& listener, std::uint32_t type, std::uint32_t channel)
{
  Cell* cell = CellAt(type, channel);
  if (cell == nullptr)
    return;
  const Handle<LivenessToken> token = listener.GetHandle();
  for (std::size_t position = 0; position < cell->size(); ++position)
  {
    Subscription* subscription = (*cell)[position];
    if (subscription != nullptr && subscription->BelongsTo(token))
    {
      RemoveAt(*cell, position);
      return;
    }
  }
}

void EventManager::UnsubscribeAll(std::uint32_t id)
{
  if (id >= ChannelCount)
  {
    std::cout << "[ERROR] UnsubscribeAll called with id " << id << ", which has no channel." << std::endl;
    return;
  }
  for (std::uint32_t type = 0; type < EventTypeCount; ++type)
  {
    Cell& cell = *CellAt(type, id);
    for (std::size_t position = cell.size(); position > 0; --position)
      RemoveAt(cell, position - 1);
  }
}

void EventManager::QueueEvent(Event* event)
{
  if (event == nullptr)
    return;
  if (event->GetChannel() >= ChannelCount)
  {
    MemoryManager::Delete(event);
    return;
  }
  queue.push_back(event);
}

void EventManager::SendEvent(Event* event)
{
  DispatchEvent(event);
}

void EventManager::DispatchEvent(Event* event)
{
  if (event == nullptr)
    return;
  Cell* cell = CellAt(event->GetType(), event->GetChannel());
  if (cell == nullptr)
  {
    std::cout << "[ERROR] Event of type " << event->GetType() << " sent to channel " << event->GetChannel()
              << " cannot be delivered and was dropped." << std::endl;
    MemoryManager::Delete(event);
    return;
  }
  ++deliveryDepth;
  // The cell is re-read at every step: handlers may add to it, and the vector may move.
  for (std::size_t position = 0; position < cell->size(); ++position)
  {
    Subscription* subscription = (*cell)[position];
    if (subscription == nullptr)
      continue;
    if (!subscription->Invoke(event))
      RemoveAt(*cell, position);
  }
  --deliveryDepth;
  MemoryManager::Delete(event);
  if (deliveryDepth == 0 && !cellsWithHoles.empty())
    SweepRemoved();
}

void EventManager::ProcessQueue()
{
  for (std::size_t position = 0; position < queue.size(); ++position)
  {
    Event* event = queue[position];
    queue[position] = nullptr;
    const std::uint32_t type = event->GetType();
    Profiler::BeginScope(ScopeNameForType(type), "");
    DispatchEvent(event);
    Profiler::EndScope();
  }
  queue.clear();
}

std::uint32_t EventManager::GetNewGOID()
{
  if (!freeIds.empty())
  {
    const std::uint32_t id = freeIds.back();
    freeIds.pop_back();
    return id;
  }
  if (nextObjectId >= ChannelCount && !warnedIdRangeExhausted)
  {
    warnedIdRangeExhausted = true;
    BRINDLE_CHECK(false, "Out of object ids: objects from now on have no event channel.");
  }
  return nextObjectId++;
}

void EventManager::RecycleGOID(std::uint32_t id)
{
  if (id < FirstObjectId || id >= ChannelCount)
    return;
  Profiler::BeginScope(recycleScope, "");
  freeIds.push_back(id);
  for (std::uint32_t type = 0; type < EventTypeCount; ++type)
  {
    Cell& cell = *CellAt(type, id);
    for (std::size_t position = cell.size(); position > 0; --position)
      RemoveAt(cell, position - 1);
  }
  Profiler::EndScope();
}

std::size_t EventManager::SubscriptionCount(std::uint32_t type, std::uint32_t channel) const
{
  const Cell* cell = CellAt(type, channel);
  if (cell == nullptr)
    return 0;
  return static_cast<std::size_t>(std::count_if(cell->begin(), cell->end(), [](Subscription* s) { return s != nullptr; }));
}
