#pragma once
// Level changes asked of the level transition channel (5) by the game's components and its
// menus, and the encounter's start and clock.
#include "core/EventIds.h"

#include <cstdint>
#include <glm/vec2.hpp>
#include <string>
#include <utility>

class FactionController;

// Stored as (faction, level, position) though the constructor takes (level, position, faction).
// The ship controller sends it with an empty level and no faction.
class ShipAttackedEvent : public Event
{
public:
  ShipAttackedEvent(std::uint32_t channel, std::string encounterLevel, glm::vec2 senderPosition,
                    FactionController* attackedFaction)
      : Event(channel), faction(attackedFaction), level(std::move(encounterLevel)), position(senderPosition)
  {
  }
  BRINDLE_EVENT(ShipAttackedEvent)

  FactionController* faction;
  std::string level;
  glm::vec2 position;  // world
};

// The player's request to stop the HUD's clock, sent to the HUD space.
class StopTimerEvent : public Event
{
public:
  using Event::Event;
  BRINDLE_EVENT(StopTimerEvent)
};

// faction is the FactionController that launched the attacked ship, or null.
class StartEncounterEvent : public Event
{
public:
  StartEncounterEvent(std::uint32_t channel, std::string encounterLevel, FactionController* attackedFaction)
      : Event(channel), level(std::move(encounterLevel)), faction(attackedFaction)
  {
  }
  BRINDLE_EVENT(StartEncounterEvent)

  std::string level;
  FactionController* faction;
};

class StartOverworldEvent : public Event
{
public:
  using Event::Event;
  BRINDLE_EVENT(StartOverworldEvent)
};

class ReturnToOverworldEvent : public Event
{
public:
  using Event::Event;
  BRINDLE_EVENT(ReturnToOverworldEvent)
};

// The level to load into the space "Utility".
class StartUtilityEvent : public Event
{
public:
  StartUtilityEvent(std::uint32_t channel, std::string level) : Event(channel), levelName(std::move(level)) {}
  BRINDLE_EVENT(StartUtilityEvent)

  std::string levelName;
};

// Sent by the level flow to an encounter's space once it is loaded; faction is the attacked ship's.
class SpawnEnemies : public Event
{
public:
  SpawnEnemies(std::uint32_t channel, FactionController* attackedFaction) : Event(channel), faction(attackedFaction) {}
  BRINDLE_EVENT(SpawnEnemies)

  FactionController* faction;  // may be null
};

// Sent by the encounter's clock on the HUD space when the time runs out.
class TimerExpired : public Event
{
public:
  using Event::Event;
  BRINDLE_EVENT(TimerExpired)
};
