#pragma once
// Events of the physics: contacts between objects, and the play area's bounds.
#include "core/EventIds.h"
#include "core/Handle.h"  // Handle<GameObject> works with the object model left incomplete

#include <cstdint>
#include <glm/vec2.hpp>
#include <utility>

class GameObject;

// Queued to each of two touching objects; self is the receiver.
class CollisionEvent : public Event
{
public:
  CollisionEvent(std::uint32_t channel, Handle<GameObject> receiver, Handle<GameObject> touched,
                 std::uint32_t touchedGroup)
      : Event(channel), self(std::move(receiver)), other(std::move(touched)), otherGroup(touchedGroup)
  {
  }
  BRINDLE_EVENT(CollisionEvent)

  Handle<GameObject> self;
  Handle<GameObject> other;
  std::uint32_t otherGroup;  // the CollisionGroup of the other object's collider
};

// The play area's new size and centre, for the boundary walls.
class ResizeBoundary : public Event
{
public:
  ResizeBoundary(std::uint32_t channel, float areaWidth, float areaHeight, glm::vec2 areaCenter)
      : Event(channel), width(areaWidth), height(areaHeight), center(areaCenter)
  {
  }
  BRINDLE_EVENT(ResizeBoundary)

  float width;
  float height;
  glm::vec2 center;  // world
};
