#pragma once
// What a pointer or menu detector reports to its own object: hover and trigger, each with a
// begin, a persisted and an end. Buttons and sounds of any subsystem react to them.
#include "core/EventIds.h"

#include <cstdint>

class DetectorHoverBeginEvent : public Event
{
public:
  using Event::Event;
  BRINDLE_EVENT(DetectorHoverBeginEvent)
};

// Nothing subscribes to it.
class DetectorHoverPersistedEvent : public Event
{
public:
  using Event::Event;
  BRINDLE_EVENT(DetectorHoverPersistedEvent)
};

class DetectorHoverEndEvent : public Event
{
public:
  using Event::Event;
  BRINDLE_EVENT(DetectorHoverEndEvent)
};

// Nothing subscribes to it.
class DetectorTriggerBeginEvent : public Event
{
public:
  using Event::Event;
  BRINDLE_EVENT(DetectorTriggerBeginEvent)
};

class DetectorTriggerPersistedEvent : public Event
{
public:
  using Event::Event;
  BRINDLE_EVENT(DetectorTriggerPersistedEvent)
};

class DetectorTriggerEndEvent : public Event
{
public:
  using Event::Event;
  BRINDLE_EVENT(DetectorTriggerEndEvent)
};
