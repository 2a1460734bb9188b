#pragma once
// Events of the score: reputation earned and loot collected.
#include "core/EventIds.h"

#include <cstdint>
#include <glm/vec2.hpp>

class LootCollectionEvent : public Event
{
public:
  using Event::Event;
  BRINDLE_EVENT(LootCollectionEvent)
};

// Stored as (position, points) though the constructor takes the points first.
class UpdateReputation : public Event
{
public:
  UpdateReputation(std::uint32_t channel, std::int32_t amount, float x, float y)
      : Event(channel), position(x, y), points(amount)
  {
  }
  BRINDLE_EVENT(UpdateReputation)

  glm::vec2 position;  // world
  std::int32_t points;
};
