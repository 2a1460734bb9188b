#pragma once
// Events of the ship: its tiles, its layout file, its walls and its air.
#include "core/EventIds.h"

#include <cstdint>
#include <glm/vec2.hpp>
#include <string>
#include <utility>

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
