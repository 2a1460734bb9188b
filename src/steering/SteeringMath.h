#pragma once
// Vector helpers shared by the steering behaviours, the agent and the aiming module.
#include <glm/vec2.hpp>

// v / |v|, and the zero vector when |v|² is not above 0 (a zero or NaN vector).
glm::vec2 Normalized(glm::vec2 vector);

// The angle brought into (-pi, pi] the short way round.
float WrapAngle(float angle);

// Squared lengths below this give no direction: 2^-46.
constexpr float DirectionEpsilonSquared = 1.4210855e-14f;
