#pragma once
// Events of the boss fight.
#include "core/EventIds.h"

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
