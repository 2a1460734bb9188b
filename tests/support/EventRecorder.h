#pragma once
// What a test hears: an EventRecorder<E> keeps a note of every E that reaches the channels it
// watches, in delivery order (by default the channel; with a describing function, any value the
// test wants to compare, such as a line of text), and may act on each event as it arrives. An
// EventLog gathers the notes of several event classes into one list of lines, so that the order
// between classes is kept as well.
//   EventRecorder<DiedEvent> deaths(enemy->GetId());              // deaths.Count(), deaths.notes
//   EventLog log;
//   log.Watch<ReloadStart>(gunner->GetId(), "gunner reload start");
//   log.Watch<HealthChangedEvent>(crate->GetId(), [](const HealthChangedEvent& e) { return ...; });
// Nothing is recorded without a published event manager; recorders die with the test, and their
// subscriptions go stale with them.
#include "core/EventManager.h"
#include "core/Listener.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

template <typename E, typename Note = std::uint32_t>
class EventRecorder : public Listener
{
public:
  using Describe = std::function<Note(const E&)>;

  // Watches nothing yet; the note is the event's channel unless a describing function is given.
  explicit EventRecorder(Describe describe = {})
      : Listener(EventManager::Instance() != nullptr ? EventManager::Instance()->GetNewListenerId() : 0),
        describe(std::move(describe))
  {
  }
  explicit EventRecorder(std::uint32_t channel, Describe describe = {}) : EventRecorder(std::move(describe))
  {
    Watch(channel);
  }
  EventRecorder(const EventRecorder&) = delete;
  EventRecorder& operator=(const EventRecorder&) = delete;

  EventRecorder& Watch(std::uint32_t channel)
  {
    if (EventManager* manager = EventManager::Instance())
      manager->Subscribe<EventRecorder, E>(this, channel);
    return *this;
  }

  void On(E* event)
  {
    if (describe)
      notes.push_back(describe(*event));
    else if constexpr (std::is_convertible_v<std::uint32_t, Note>)
      notes.push_back(event->GetChannel());
    if (onEvent)
      onEvent(*event);
  }

  std::size_t Count() const { return notes.size(); }
  bool Heard() const { return !notes.empty(); }
  // The notes since the last call.
  std::vector<Note> Take() { return std::exchange(notes, {}); }

  std::vector<Note> notes;
  // Called for every event after its note is taken: what a component would do on hearing it.
  std::function<void(E&)> onEvent;

private:
  Describe describe;
};

// Lines from events of several classes, in the order they were delivered.
class EventLog
{
public:
  // Each E on the channel adds the line `describe` makes of it.
  template <typename E>
  void Watch(std::uint32_t channel, std::function<std::string(const E&)> describe)
  {
    auto recorder = std::make_unique<EventRecorder<E, std::string>>(channel);
    recorder->onEvent = [this, describe = std::move(describe)](E& event) { lines.push_back(describe(event)); };
    recorders.push_back(std::move(recorder));
  }
  // Each E on the channel adds the same line.
  template <typename E>
  void Watch(std::uint32_t channel, const std::string& line)
  {
    Watch<E>(channel, [line](const E&) { return line; });
  }

  // The lines since the last call.
  std::vector<std::string> Take() { return std::exchange(lines, {}); }
  std::size_t CountOf(const std::string& line) const
  {
    std::size_t count = 0;
    for (const std::string& each : lines)
      count += each == line ? 1 : 0;
    return count;
  }

  std::vector<std::string> lines;

private:
  std::vector<std::unique_ptr<Listener>> recorders;
};
