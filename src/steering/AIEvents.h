#pragma once
// Events of the AI.
#include "core/EventIds.h"

#include <cstdint>
#include <glm/vec2.hpp>

// One frame's steering request; the object's Agent applies it.
class UpdateSteering : public Event
{
public:
  UpdateSteering(std::uint32_t channel, glm::vec2 linearSteering, float angularSteering)
      : Event(channel), linear(linearSteering), angular(angularSteering)
  {
  }
  BRINDLE_EVENT(UpdateSteering)

  glm::vec2 linear;
  float angular;
};
