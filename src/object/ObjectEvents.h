#pragma once
// Events of the object model: spawning, destroying and parenting objects, the Registry's
// bookkeeping, and what an object says about itself as it ends or collects something.
#include "core/EventIds.h"
#include "core/Handle.h"  // Handle<GameObject> works with the object model left incomplete
#include "object/CollectionEntry.h"

#include <cstdint>
#include <glm/vec2.hpp>
#include <string>
#include <utility>

class GameObject;
class Space;

// A spawn request, queued to the spawning component's own id, where the factory listens.
class MakeGameObjectEvent : public Event
{
public:
  MakeGameObjectEvent(std::uint32_t channel, Space* targetSpace, const char* prefabName, float positionX,
                      float positionY, float velocityX, float velocityY)
      : Event(channel),
        space(targetSpace),
        prefab(prefabName != nullptr ? prefabName : ""),
        position(positionX, positionY),
        velocity(velocityX, velocityY)
  {
  }
  BRINDLE_EVENT(MakeGameObjectEvent)

  Space* space;
  std::string prefab;
  glm::vec2 position;
  glm::vec2 velocity;
};

// Asks the space subscribed on the object's id to tear the object down. The event holds its own
// counted reference, so the object's block cannot be reused while the request is in flight; a
// reference that went stale meanwhile is dropped without touching the block.
class GameObjectDestroyedEvent : public Event
{
public:
  GameObjectDestroyedEvent(std::uint32_t channel, Handle<GameObject> objectToDestroy)
      : Event(channel), object(std::move(objectToDestroy))
  {
  }
  BRINDLE_EVENT(GameObjectDestroyedEvent)

  Handle<GameObject> object;
};

// Queued by a space to itself, so that teardown happens after every handler on the object's id
// has heard of the destruction.
class GameObjectCleanupEvent : public Event
{
public:
  GameObjectCleanupEvent(std::uint32_t channel, Handle<GameObject> objectToCleanUp)
      : Event(channel), object(std::move(objectToCleanUp))
  {
  }
  BRINDLE_EVENT(GameObjectCleanupEvent)

  Handle<GameObject> object;
};

// Sent when a transform is placed by hand, so the broad phase files the object again at once.
class PositionUpdateEvent : public Event
{
public:
  PositionUpdateEvent(std::uint32_t channel, Handle<GameObject> movedObject)
      : Event(channel), object(std::move(movedObject))
  {
  }
  BRINDLE_EVENT(PositionUpdateEvent)

  Handle<GameObject> object;
};

class ExplosionEvent : public Event
{
public:
  using Event::Event;
  BRINDLE_EVENT(ExplosionEvent)
};

class ParentedEvent : public Event
{
public:
  using Event::Event;
  BRINDLE_EVENT(ParentedEvent)
};

class CollectionEvent : public Event
{
public:
  CollectionEvent(std::uint32_t channel, CollectionEntry collected) : Event(channel), entry(std::move(collected)) {}
  BRINDLE_EVENT(CollectionEvent)

  CollectionEntry entry;
};

// key is a RegistryType value.
class RegisterGO : public Event
{
public:
  RegisterGO(std::uint32_t channel, Handle<GameObject> registeredObject, std::uint32_t registryKey)
      : Event(channel), object(std::move(registeredObject)), key(registryKey)
  {
  }
  BRINDLE_EVENT(RegisterGO)

  Handle<GameObject> object;
  std::uint32_t key;
};

// Carries the id only: it is sent from OnDestroy, when the object's handle may already be stale.
class UnregisterGO : public Event
{
public:
  UnregisterGO(std::uint32_t channel, std::uint32_t registeredObjectId, std::uint32_t registryKey)
      : Event(channel), objectId(registeredObjectId), key(registryKey)
  {
  }
  BRINDLE_EVENT(UnregisterGO)

  std::uint32_t objectId;
  std::uint32_t key;
};
