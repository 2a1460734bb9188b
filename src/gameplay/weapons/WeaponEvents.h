#pragma once
// Events of the guns: reloads and the muzzle flash.
#include "core/EventIds.h"
#include "core/Handle.h"  // Handle<GameObject> works with the object model left incomplete

#include <cstdint>
#include <utility>

class GameObject;

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
