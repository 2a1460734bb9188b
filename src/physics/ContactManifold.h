#pragma once
// One colliding pair as the shape tests describe it and the contact solver resolves it.
#include <glm/vec2.hpp>

#include <cstdint>

struct RigidbodyState;

// What the solver needs of one side of a contact: its body (null when it has none) and where it
// stood during this sub-step.
struct SolverBody
{
  RigidbodyState* rigidbody = nullptr;
  glm::vec2 position{0.0f, 0.0f};
};

struct ContactPoint
{
  glm::vec2 position{0.0f, 0.0f};
  float penetration = 0.0f;
  // Unit normal; an impulse along +normal pushes the second body, its opposite the first.
  glm::vec2 normal{0.0f, 0.0f};
  float normalImpulse = 0.0f;  // accumulated over the passes of one sub-step, never negative
  float bias = 0.0f;
  float restitutionTerm = -1.0f;  // below 0 until the first pass computes it
  glm::vec2 rFirst{0.0f, 0.0f};
  glm::vec2 rSecond{0.0f, 0.0f};
  glm::vec2 vFirst{0.0f, 0.0f};
  glm::vec2 vSecond{0.0f, 0.0f};
  float normalVelocity = 0.0f;
  float rhs = 0.0f;
};

struct ContactManifold
{
  SolverBody* first = nullptr;
  SolverBody* second = nullptr;  // null: the pair was met against a static entry
  ContactPoint points[2];
  std::int32_t count = 0;

  // The greatest penetration among the points in use; the contact set's ordering key.
  float DeepestPenetration() const
  {
    float deepest = points[0].penetration;
    if (count > 1 && points[1].penetration > deepest)
      deepest = points[1].penetration;
    return deepest;
  }
};
