#pragma once
// Sending an event in one line, the one way every folder above core/ does it: an event of class E
// is either made in the pool, tagged with the caller's site, and queued for the frame's
// processing of the queue (Queue), or made on the stack and delivered before the call returns
// (SendNow: nothing is allocated, so an event nobody hears costs a table lookup; the site is not
// needed). Without an event manager nothing is made.
//   Queue<ShakeEvent>(BRINDLE_SITE, space->GetId(), 1.0f);
#include "core/EventManager.h"
#include "core/MemoryManager.h"

#include <utility>

template <typename E, typename... Args>
void Queue(SiteTag site, Args&&... args)
{
  if (EventManager* manager = EventManager::Instance())
    manager->QueueEvent(MemoryManager::New<E>(site, std::forward<Args>(args)...));
}

template <typename E, typename... Args>
void SendNow(SiteTag, Args&&... args)
{
  if (EventManager* manager = EventManager::Instance())
  {
    E event(std::forward<Args>(args)...);
    manager->Deliver(event);
  }
}
