#pragma once
// The frame's events, sent at once by the session to each space's id in this order: PreUpdate,
// Update (PauseUpdate while the space is paused), PostUpdate, then Draw to every visible space.
// LoadLevelEvent is subscribed to by every space but never sent; it keeps its row.
#include "core/EventIds.h"

#include <cstdint>
#include <string>
#include <utility>

namespace Graphics
{
class Graphics;
}

// Nothing subscribes to it.
class PreUpdateEvent : public Event
{
public:
  PreUpdateEvent(std::uint32_t channel, float step) : Event(channel), dt(step) {}
  BRINDLE_EVENT(PreUpdateEvent)

  float dt;  // seconds
};

class UpdateEvent : public Event
{
public:
  UpdateEvent(std::uint32_t channel, float step, float loopSeconds = 0.0f)
      : Event(channel), dt(step), loopTime(loopSeconds)
  {
  }
  BRINDLE_EVENT(UpdateEvent)

  float dt;  // seconds
  // Seconds since the running game or editor loop started, by the frame-rate controller's clock
  // at the end of the previous frame; for effects that follow the wall clock, not the steps.
  float loopTime;
};

// Goes to a paused space in place of UpdateEvent; nothing subscribes to it.
class PauseUpdateEvent : public Event
{
public:
  PauseUpdateEvent(std::uint32_t channel, float step) : Event(channel), dt(step) {}
  BRINDLE_EVENT(PauseUpdateEvent)

  float dt;  // seconds
};

class PostUpdateEvent : public Event
{
public:
  PostUpdateEvent(std::uint32_t channel, float step) : Event(channel), dt(step) {}
  BRINDLE_EVENT(PostUpdateEvent)

  float dt;  // seconds
};

// Drawing components file their records with the renderer during this event; they never call
// the GPU themselves.
class DrawEvent : public Event
{
public:
  DrawEvent(std::uint32_t channel, Graphics::Graphics* graphics) : Event(channel), renderer(graphics) {}
  BRINDLE_EVENT(DrawEvent)

  Graphics::Graphics* renderer;
};

// Subscribed to by every space, never sent.
class LoadLevelEvent : public Event
{
public:
  LoadLevelEvent(std::uint32_t channel, std::string level) : Event(channel), levelName(std::move(level)) {}
  BRINDLE_EVENT(LoadLevelEvent)

  std::string levelName;
};
