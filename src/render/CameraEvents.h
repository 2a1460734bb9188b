#pragma once
// Camera requests, sent to a space's id and taken by the space's camera managers.
#include "core/EventIds.h"

#include <cstdint>
#include <glm/vec2.hpp>

class CameraMoveTo : public Event
{
public:
  CameraMoveTo(std::uint32_t channel, glm::vec2 target) : Event(channel), position(target) {}
  BRINDLE_EVENT(CameraMoveTo)

  glm::vec2 position;  // world
};

class SetZoom : public Event
{
public:
  SetZoom(std::uint32_t channel, float targetZoom, float speed) : Event(channel), zoom(targetZoom), zoomSpeed(speed)
  {
  }
  BRINDLE_EVENT(SetZoom)

  float zoom;
  float zoomSpeed;
};

class ShakeEvent : public Event
{
public:
  ShakeEvent(std::uint32_t channel, float shakeIntensity) : Event(channel), intensity(shakeIntensity) {}
  BRINDLE_EVENT(ShakeEvent)

  float intensity;
};

// Puts the camera at the position at once, at the given zoom.
class PlaceCameraEvent : public Event
{
public:
  PlaceCameraEvent(std::uint32_t channel, float cameraZoom, glm::vec2 cameraPosition)
      : Event(channel), zoom(cameraZoom), position(cameraPosition)
  {
  }
  BRINDLE_EVENT(PlaceCameraEvent)

  float zoom;
  glm::vec2 position;  // world
};

class SetLead : public Event
{
public:
  SetLead(std::uint32_t channel, float leadAmount) : Event(channel), lead(leadAmount) {}
  BRINDLE_EVENT(SetLead)

  float lead;
};
