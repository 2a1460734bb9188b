#pragma once
// Events of combat: hitpoints, sides, death and the end of a death animation.
#include "core/EventIds.h"

#include <cstdint>

class DeathAnimationComplete : public Event
{
public:
  using Event::Event;
  BRINDLE_EVENT(DeathAnimationComplete)
};

// team is a TeamEnum value.
class TeamChangeEvent : public Event
{
public:
  TeamChangeEvent(std::uint32_t channel, std::uint32_t newTeam) : Event(channel), team(newTeam) {}
  BRINDLE_EVENT(TeamChangeEvent)

  std::uint32_t team;
};

class HealthChangedEvent : public Event
{
public:
  HealthChangedEvent(std::uint32_t channel, float hitpointsAfter, float maximum, float hitpointsBefore)
      : Event(channel), newHitpoints(hitpointsAfter), maxHitpoints(maximum), previousHitpoints(hitpointsBefore)
  {
  }
  BRINDLE_EVENT(HealthChangedEvent)

  float newHitpoints;
  float maxHitpoints;
  float previousHitpoints;
};

// To an object's id: that object died. To a space's id: the run is over.
class DiedEvent : public Event
{
public:
  using Event::Event;
  BRINDLE_EVENT(DiedEvent)
};
