#pragma once
// Events of game flow and interface: menus and buttons, fades, the level's timers and triggers.
// The requests to the level transition channel, the encounter's SpawnEnemies and the clock's
// TimerExpired are the game's (gameplay/LevelEvents.h), since the game's own components use them.
#include "core/EventIds.h"

#include <cstdint>
#include <string>
#include <utility>

class ClickDetector;
class MenuInputDetector;
class Space;

class RegisterMenuInputDetectorEvent : public Event
{
public:
  RegisterMenuInputDetectorEvent(std::uint32_t channel, MenuInputDetector* registering)
      : Event(channel), detector(registering)
  {
  }
  BRINDLE_EVENT(RegisterMenuInputDetectorEvent)

  MenuInputDetector* detector;
};

class RegisterClickDetectorEvent : public Event
{
public:
  RegisterClickDetectorEvent(std::uint32_t channel, ClickDetector* registering) : Event(channel), detector(registering)
  {
  }
  BRINDLE_EVENT(RegisterClickDetectorEvent)

  ClickDetector* detector;
};

// Names the space a newly opened menu returns to.
class NewLevelLoadedEvent : public Event
{
public:
  NewLevelLoadedEvent(std::uint32_t channel, Space* loadedSpace) : Event(channel), space(loadedSpace) {}
  BRINDLE_EVENT(NewLevelLoadedEvent)

  Space* space;
};

class ButtonToggledEvent : public Event
{
public:
  ButtonToggledEvent(std::uint32_t channel, bool on) : Event(channel), state(on) {}
  BRINDLE_EVENT(ButtonToggledEvent)

  bool state;
};

class TriggerEvent : public Event
{
public:
  TriggerEvent(std::uint32_t channel, std::uint32_t triggerStage) : Event(channel), stage(triggerStage) {}
  BRINDLE_EVENT(TriggerEvent)

  std::uint32_t stage;
};

class CorvaExitEvent : public Event
{
public:
  using Event::Event;
  BRINDLE_EVENT(CorvaExitEvent)
};

// Subscribed to by FadeIn, never sent. true restarts the fade in, false jumps to the fade out.
class FadeEvent : public Event
{
public:
  FadeEvent(std::uint32_t channel, bool restartFadeIn) : Event(channel), fadeIn(restartFadeIn) {}
  BRINDLE_EVENT(FadeEvent)

  bool fadeIn;
};
