#pragma once
// One particle, 48 bytes, uploaded unchanged as one instance of the particle pass. A free pool
// slot has colour (0, 0, 0, 0), which keeps it invisible.
#include "core/fColor.h"

#include <glm/vec2.hpp>

struct Particle
{
  float life = 0.0f;  // seconds left; the particle dies when this falls below 0
  float angle = 0.0f;
  float angularVelocity = 0.0f;
  float scale = 0.0f;
  fColor color;
  glm::vec2 position{0.0f, 0.0f};  // world coordinates, or relative to the emitter
  glm::vec2 velocity{0.0f, 0.0f};  // units per second
};

static_assert(sizeof(Particle) == 48, "the particle shader reads the record at fixed offsets");
