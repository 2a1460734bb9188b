#pragma once
#include <glm/glm.hpp>

namespace Graphics
{
// The matrix whose first two rows are (m0, m1, m2) and (m3, m4, m5): a point (x, y) goes to
// (m0 x + m1 y + m2, m3 x + m4 y + m5). glm indexes columns first.
glm::mat3 RowsMatrix(float m0, float m1, float m2, float m3, float m4, float m5);
}  // namespace Graphics
