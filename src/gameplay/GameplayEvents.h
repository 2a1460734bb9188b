#pragma once
// Events of the player, the ship and combat: the ship's tiles, life and death, items and
// equipment, the boss fight and reputation.
#include "core/EventIds.h"
#include "core/Handle.h"  // Handle<GameObject> works with the object model left incomplete

#include <cstdint>
#include <glm/vec2.hpp>
#include <string>
#include <utility>

class Equippable;
class FactionController;
class GameObject;

class SaveShipEvent : public Event
{
public:
  SaveShipEvent(std::uint32_t channel, std::string filePath) : Event(channel), path(std::move(filePath)) {}
  BRINDLE_EVENT(SaveShipEvent)

  std::string path;
};

// value holds the floor, side and bottom codes and a terminating zero. At most three characters
// are taken from the code, and reading stops at its end, so a short code is never read past.
class SetTileEvent : public Event
{
public:
  SetTileEvent(std::uint32_t channel, std::uint32_t x, std::uint32_t y, const char* code)
      : Event(channel), tileX(x), tileY(y)
  {
    for (int i = 0; i < 3 && code != nullptr && code[i] != '\0'; ++i)
      value[i] = code[i];
    value[3] = '\0';
  }
  BRINDLE_EVENT(SetTileEvent)

  std::uint32_t tileX;
  std::uint32_t tileY;
  char value[4] = {};
};

// The fields are carried but not read; the depressurisation effect always sends 1, 1, (0, 0).
class DepressurizationEvent : public Event
{
public:
  DepressurizationEvent(std::uint32_t channel, std::uint32_t first, std::uint32_t second, glm::vec2 vector)
      : Event(channel), firstValue(first), secondValue(second), vectorValue(vector)
  {
  }
  BRINDLE_EVENT(DepressurizationEvent)

  std::uint32_t firstValue;
  std::uint32_t secondValue;
  glm::vec2 vectorValue;
};

class ShipMapLoadEvent : public Event
{
public:
  using Event::Event;
  BRINDLE_EVENT(ShipMapLoadEvent)
};

// wallKind is the wall's bit in the tile: 4 for a side wall, 16 for a bottom wall.
class ShipMapWallDestroyedEvent : public Event
{
public:
  ShipMapWallDestroyedEvent(std::uint32_t channel, std::uint32_t kind, std::uint32_t x, std::uint32_t y)
      : Event(channel), wallKind(kind), tileX(x), tileY(y)
  {
  }
  BRINDLE_EVENT(ShipMapWallDestroyedEvent)

  std::uint32_t wallKind;
  std::uint32_t tileX;
  std::uint32_t tileY;
};

class DeathAnimationComplete : public Event
{
public:
  using Event::Event;
  BRINDLE_EVENT(DeathAnimationComplete)
};

class ThroneExplosionEvent : public Event
{
public:
  using Event::Event;
  BRINDLE_EVENT(ThroneExplosionEvent)
};

class BossSpawnEnemies : public Event
{
public:
  using Event::Event;
  BRINDLE_EVENT(BossSpawnEnemies)
};

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

// team is a TeamEnum value.
class TeamChangeEvent : public Event
{
public:
  TeamChangeEvent(std::uint32_t channel, std::uint32_t newTeam) : Event(channel), team(newTeam) {}
  BRINDLE_EVENT(TeamChangeEvent)

  std::uint32_t team;
};

// Nothing subscribes to it.
class MuzzleFlashSpawnedEvent : public Event
{
public:
  MuzzleFlashSpawnedEvent(std::uint32_t channel, Handle<GameObject> flashObject)
      : Event(channel), flash(std::move(flashObject))
  {
  }
  BRINDLE_EVENT(MuzzleFlashSpawnedEvent)

  Handle<GameObject> flash;
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

// Tells an object which item it touched. equippable is null when the item has no Equippable.
class TouchedItem : public Event
{
public:
  TouchedItem(std::uint32_t channel, Handle<GameObject> touchedItem, Equippable* itemEquippable)
      : Event(channel), item(std::move(touchedItem)), equippable(itemEquippable)
  {
  }
  BRINDLE_EVENT(TouchedItem)

  Handle<GameObject> item;
  Equippable* equippable;
};

// Stored as (first flag, re-arm flag, slot) though the constructor takes the slot between the
// flags. The re-arm flag lets a once-per-press gun fire again; no receiver acts on the first flag.
class UseEvent : public Event
{
public:
  UseEvent(std::uint32_t channel, bool first, std::uint32_t slotIndex, bool rearm)
      : Event(channel), firstFlag(first), rearmFlag(rearm), slot(slotIndex)
  {
  }
  BRINDLE_EVENT(UseEvent)

  bool firstFlag;
  bool rearmFlag;
  std::uint32_t slot;
};

// Stored as (slot, other) though the constructor takes (other, slot). Sent to an item naming its
// holder, and to the holder naming the item.
class EquipEvent : public Event
{
public:
  EquipEvent(std::uint32_t channel, GameObject* otherObject, std::uint32_t slotIndex)
      : Event(channel), slot(slotIndex), other(otherObject)
  {
  }
  BRINDLE_EVENT(EquipEvent)

  std::uint32_t slot;
  GameObject* other;
};

// Unlike EquipEvent, stored in constructor order. other is null when there is none.
class DequipEvent : public Event
{
public:
  DequipEvent(std::uint32_t channel, GameObject* otherObject, std::uint32_t slotIndex)
      : Event(channel), other(otherObject), slot(slotIndex)
  {
  }
  BRINDLE_EVENT(DequipEvent)

  GameObject* other;
  std::uint32_t slot;
};

// Toggles a slot: an empty one picks up an item touched this frame, a full one drops its item.
class EquipDequip : public Event
{
public:
  EquipDequip(std::uint32_t channel, std::uint32_t slotIndex) : Event(channel), slot(slotIndex) {}
  BRINDLE_EVENT(EquipDequip)

  std::uint32_t slot;
};

class ReloadStart : public Event
{
public:
  using Event::Event;
  BRINDLE_EVENT(ReloadStart)
};

class ReloadEnd : public Event
{
public:
  using Event::Event;
  BRINDLE_EVENT(ReloadEnd)
};

class LootCollectionEvent : public Event
{
public:
  using Event::Event;
  BRINDLE_EVENT(LootCollectionEvent)
};

// To an object's id: that object died. To a space's id: the run is over.
class DiedEvent : public Event
{
public:
  using Event::Event;
  BRINDLE_EVENT(DiedEvent)
};

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

class BossDiedEvent : public Event
{
public:
  using Event::Event;
  BRINDLE_EVENT(BossDiedEvent)
};

class BossWinEvent : public Event
{
public:
  using Event::Event;
  BRINDLE_EVENT(BossWinEvent)
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

// Level changes asked of the level transition channel (5), by the game's components and its menus.

// faction is the FactionController that launched the attacked ship, or null.
// The player's request to stop the HUD's clock, sent to the HUD space.
class StopTimerEvent : public Event
{
public:
  using Event::Event;
  BRINDLE_EVENT(StopTimerEvent)
};

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
