#pragma once
// Events of the player: interacting with what it stands by, and its victory pose.
#include "core/EventIds.h"

#include <cstdint>

class PlayerVictory : public Event
{
public:
  using Event::Event;
  BRINDLE_EVENT(PlayerVictory)
};

// Addressed to the object interacted with, whose id is also the target id. The player's own
// controller sends it with no other object (0).
class InteractionEvent : public Event
{
public:
  explicit InteractionEvent(std::uint32_t id, std::uint32_t interactorId = 0)
      : Event(id), targetId(id), otherId(interactorId)
  {
  }
  BRINDLE_EVENT(InteractionEvent)

  std::uint32_t targetId;
  std::uint32_t otherId;
};
