#pragma once
// Sending events from gameplay code in one line: an event of class E is made in the pool, tagged
// with the caller's site, and queued or delivered at once. Without an event manager nothing is
// made.
#include "core/EventManager.h"
#include "core/Handle.h"
#include "core/MemoryManager.h"

#include <utility>

class GameObject;

template <typename E, typename... Args>
void Queue(SiteTag site, Args&&... args)
{
  if (EventManager* manager = EventManager::Instance())
    manager->QueueEvent(MemoryManager::New<E>(site, std::forward<Args>(args)...));
}

template <typename E, typename... Args>
void SendNow(SiteTag site, Args&&... args)
{
  if (EventManager* manager = EventManager::Instance())
    manager->SendEvent(MemoryManager::New<E>(site, std::forward<Args>(args)...));
}

// Queues the object's destruction. Its space is made to listen on the object's id first, so the
// request is never lost on an object none of whose components asked for it. A dead handle is
// ignored.
void QueueRemoval(const Handle<GameObject>& object);
