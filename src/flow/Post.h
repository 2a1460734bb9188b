#pragma once
// Sending an event from the pools in one line: PostNow delivers it before returning, PostQueued
// leaves it for the frame's processing of the queue. Without an event manager nothing is made.
//   PostNow<FadeInto>(BRINDLE_SITE, SoundSystemChannel, "event:/Music/Credits");
#include "core/EventManager.h"
#include "core/MemoryManager.h"

#include <utility>

template <typename E, typename... Args>
void PostNow(SiteTag site, Args&&... args)
{
  if (EventManager* events = EventManager::Instance())
    events->SendEvent(MemoryManager::New<E>(site, std::forward<Args>(args)...));
}

template <typename E, typename... Args>
void PostQueued(SiteTag site, Args&&... args)
{
  if (EventManager* events = EventManager::Instance())
    events->QueueEvent(MemoryManager::New<E>(site, std::forward<Args>(args)...));
}
