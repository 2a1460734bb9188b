#pragma once
// Links one registry entry into the broad-phase grid. Besides its cell it keeps the position,
// radius and half-extents of an axis-aligned box around the shape it was last filed or refreshed
// with, which the pair queries compare.
#include <glm/vec2.hpp>

#include <cstdint>

struct PhysicsObject;

struct GridRecord
{
  bool inGrid = false;
  GridRecord* next = nullptr;  // next record of the same bucket
  std::uint32_t bucket = 0;
  std::uint32_t stamp = 0;     // the grid stamp of the last ray that looked at it
  std::int32_t cellX = 0;
  std::int32_t cellY = 0;
  std::uint32_t level = 0;
  PhysicsObject* owner = nullptr;
  glm::vec2 position{0.0f, 0.0f};
  float radius = 0.0f;
  glm::vec2 extent{0.0f, 0.0f};
};
