#include "steering/SteeringMath.h"

#include <cmath>
#include <glm/geometric.hpp>

glm::vec2 Normalized(glm::vec2 vector)
{
  const float squared = glm::dot(vector, vector);
  if (!(squared > 0.0f))
    return {0.0f, 0.0f};
  return vector / std::sqrt(squared);
}

float WrapAngle(float angle)
{
  constexpr float Pi = 3.14159265358979f;
  float wrapped = std::atan2(std::sin(angle), std::cos(angle));
  // atan2 may answer -pi for a half turn; the range is open at -pi.
  if (wrapped <= -Pi)
    wrapped = Pi;
  return wrapped;
}
