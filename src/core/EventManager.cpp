#include "core/EventManager.h"

#include "core/Profiler.h"
#include "core/Log.h"
#include "platform/Assert.h"

#include <algorithm>
#include <string>

namespace
{
EventManager* instance = nullptr;

const std::string recycleScope = "RecycleGOID";
// One scope per pass: a scope per event would cost more than delivering most events.
const std::string queueScope = "EventQueue";
}  // namespace

EventManager* EventManager::Instance()
{
  return instance;
}

void EventManager::SetInstance(EventManager* manager)
{
  instance = manager;
}

EventManager::EventManager() : rows(new Row[EventTypeCount]) {}

EventManager::~EventManager()
{
  for (auto event = queue.rbegin(); event != queue.rend(); ++event)
    MemoryManager::Delete(*event);
  queue.clear();
  for (std::uint32_t number = 0; number < cellCount; ++number)
  {
    Cell& cell = cellChunks[number / CellsPerChunk][number % CellsPerChunk];
    for (auto binding = cell.rbegin(); binding != cell.rend(); ++binding)
      if (Subscription* owned = binding->Owned())
        MemoryManager::Delete(owned);
    cell.clear();
  }
  for (Subscription* subscription : removedDuringDelivery)
    MemoryManager::Delete(subscription);
  if (instance == this)
    instance = nullptr;
}

EventManager::Cell* EventManager::MakeCell(std::uint32_t type, std::uint32_t channel)
{
  if (type >= EventTypeCount || channel >= ChannelCount)
    return nullptr;
  if (Cell* cell = FindCell(type, channel))
    return cell;
  Row& row = rows[type];
  if (row == nullptr)
    row.reset(new std::uint32_t[ChannelCount]());
  if (cellCount % CellsPerChunk == 0)
    cellChunks.emplace_back(new Cell[CellsPerChunk]);
  row[channel] = ++cellCount;
  return FindCell(type, channel);
}

std::size_t EventManager::TableBytes() const
{
  std::size_t bytes = sizeof(Row) * EventTypeCount + cellChunks.capacity() * sizeof(cellChunks[0]) +
                      cellChunks.size() * CellsPerChunk * sizeof(Cell);
  for (std::uint32_t type = 0; type < EventTypeCount; ++type)
    if (rows[type] != nullptr)
      bytes += ChannelCount * sizeof(std::uint32_t);
  for (std::uint32_t number = 0; number < cellCount; ++number)
    bytes += cellChunks[number / CellsPerChunk][number % CellsPerChunk].capacity() * sizeof(Binding);
  return bytes + listed.Bytes();
}

void EventManager::CallSubscription(void* subscription, Event* event)
{
  static_cast<Subscription*>(subscription)->Invoke(event);
}

void EventManager::AddSubscription(std::uint32_t type, std::uint32_t channel, Subscription* subscription)
{
  if (subscription == nullptr)
    return;
  Binding binding;
  binding.target = subscription;
  binding.call = &CallSubscription;
  binding.tokenBlock = subscription->Token().GetBlock();
  binding.tokenId = subscription->Token().GetId();
  Bind(type, channel, binding);
}

bool EventManager::Bind(std::uint32_t type, std::uint32_t channel, const Binding& binding)
{
  Cell* cell = MakeCell(type, channel);
  if (cell == nullptr)
  {
    LogError("Subscription to event type ", type, " on channel ", channel,
             " is outside the subscription table and was dropped.");
  }
  else if (binding.tokenBlock != nullptr && binding.tokenId != 0 && binding.IsAlive() &&
           listed.Insert(cell, binding.tokenBlock, binding.tokenId))
  {
    cell->push_back(binding);
    return true;
  }
  if (Subscription* owned = binding.Owned())
    MemoryManager::Delete(owned);
  return false;
}

void EventManager::RemoveAt(Cell& cell, std::size_t position)
{
  Binding& binding = cell[position];
  if (binding.call == nullptr)
    return;
  listed.Erase(&cell, binding.tokenBlock, binding.tokenId);
  Subscription* owned = binding.Owned();
  if (deliveryDepth == 0)
  {
    cell.erase(cell.begin() + static_cast<std::ptrdiff_t>(position));
    if (owned != nullptr)
      MemoryManager::Delete(owned);
    return;
  }
  binding.call = nullptr;
  if (owned != nullptr)
    removedDuringDelivery.push_back(owned);
  cellsWithHoles.push_back(&cell);
}

void EventManager::SweepRemoved()
{
  for (Cell* cell : cellsWithHoles)
    cell->erase(std::remove_if(cell->begin(), cell->end(), [](const Binding& binding) { return binding.call == nullptr; }),
                cell->end());
  cellsWithHoles.clear();
  std::vector<Subscription*> removed;
  removed.swap(removedDuringDelivery);
  for (Subscription* subscription : removed)
    MemoryManager::Delete(subscription);
}

void EventManager::Unsubscribe(const Listener& listener, std::uint32_t type, std::uint32_t channel)
{
  Cell* cell = FindCell(type, channel);
  if (cell == nullptr)
    return;
  const Handle<LivenessToken> token = listener.GetHandle();
  for (std::size_t position = 0; position < cell->size(); ++position)
  {
    const Binding& binding = (*cell)[position];
    if (binding.call != nullptr && binding.tokenBlock == token.GetBlock() && binding.tokenId == token.GetId() &&
        binding.IsAlive())
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
    LogError("UnsubscribeAll called with id ", id, ", which has no channel.");
    return;
  }
  RemoveAllOn(id);
}

void EventManager::RemoveAllOn(std::uint32_t id)
{
  for (std::uint32_t type = 0; type < EventTypeCount; ++type)
  {
    Cell* cell = FindCell(type, id);
    if (cell == nullptr)
      continue;
    for (std::size_t position = cell->size(); position > 0; --position)
      RemoveAt(*cell, position - 1);
  }
}

void EventManager::QueueEvent(Event* event)
{
  if (event == nullptr)
    return;
  if (event->Channel() >= ChannelCount)
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
  Deliver(*event);
  MemoryManager::Delete(event);
}

void EventManager::ReportUndeliverable(std::uint32_t type, std::uint32_t channel)
{
  LogError("Event of type ", type, " sent to channel ", channel, " cannot be delivered and was dropped.");
}

void EventManager::Deliver(Event& event)
{
  const std::uint32_t type = event.GetType();
  const std::uint32_t channel = event.Channel();
  Cell* cell = FindCell(type, channel);
  if (cell != nullptr)
    DeliverTo(*cell, event);
  else if (type >= EventTypeCount || channel >= ChannelCount)
    ReportUndeliverable(type, channel);
  // Otherwise nobody ever subscribed there: nothing to walk.
}

void EventManager::DeliverTo(Cell& cell, Event& event)
{
  ++deliveryDepth;
  // The cell is re-read at every step: handlers may add to it, and the vector may move.
  for (std::size_t position = 0; position < cell.size(); ++position)
  {
    const Binding& binding = cell[position];
    if (binding.call == nullptr)
      continue;
    if (!binding.IsAlive())
    {
      RemoveAt(cell, position);
      continue;
    }
    binding.call(binding.target, &event);
  }
  --deliveryDepth;
  if (deliveryDepth == 0 && !cellsWithHoles.empty())
    SweepRemoved();
}

void EventManager::ProcessQueue()
{
  if (queue.empty())
    return;
  Profiler::BeginScope(queueScope, "");
  for (std::size_t position = 0; position < queue.size(); ++position)
  {
    Event* event = queue[position];
    queue[position] = nullptr;
    DispatchEvent(event);
  }
  queue.clear();
  Profiler::EndScope();
}

std::uint32_t EventManager::GetNewGOID()
{
  if (!freeIds.empty())
  {
    const std::uint32_t id = freeIds.back();
    freeIds.pop_back();
    return id;
  }
  // Past the channels ids are not recycled, so they stay unique.
  return nextObjectId++;
}

void EventManager::RecycleGOID(std::uint32_t id)
{
  if (id < FirstObjectId || id >= ChannelCount)
    return;
  Profiler::BeginScope(recycleScope, "");
  freeIds.push_back(id);
  RemoveAllOn(id);
  Profiler::EndScope();
}

std::size_t EventManager::SubscriptionCount(std::uint32_t type, std::uint32_t channel) const
{
  const Cell* cell = FindCell(type, channel);
  if (cell == nullptr)
    return 0;
  return static_cast<std::size_t>(
      std::count_if(cell->begin(), cell->end(), [](const Binding& binding) { return binding.call != nullptr; }));
}
