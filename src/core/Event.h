#pragma once
// The base of every event: a message addressed to one channel (an object's or space's id, or a
// fixed system channel). Each class has a constant type id that selects its row in the event
// manager's subscription table.
#include <cstdint>

// Fixed system channels.
constexpr std::uint32_t SoundSystemChannel = 2;
constexpr std::uint32_t RegistryChannel = 4;
constexpr std::uint32_t LevelTransitionChannel = 5;

// Channels run from 0 to ChannelCount - 1; every comparison with it is unsigned.
constexpr std::uint32_t ChannelCount = 7000;
// Type ids run from 1 to 84; the base class is 85 and has no row.
constexpr std::uint32_t EventTypeCount = 85;

class Event
{
public:
  static constexpr std::uint32_t TypeId = 85;

  explicit Event(std::uint32_t eventChannel) : channel(eventChannel) {}
  virtual ~Event() = default;
  Event(const Event&) = delete;
  Event& operator=(const Event&) = delete;

  // Final, so that Channel() always agrees with it.
  virtual std::uint32_t GetChannel() const final { return channel; }
  // The same without a virtual call, for the event manager's hot path.
  std::uint32_t Channel() const { return channel; }
  virtual std::uint32_t GetType() const { return TypeId; }

private:
  std::uint32_t channel;
};

// Gives an event class its fixed type id, known both to GetType and, without an object, to Subscribe.
#define BRINDLE_EVENT_TYPE(id)                                        \
  static constexpr std::uint32_t TypeId = (id);                      \
  std::uint32_t GetType() const override { return TypeId; }
