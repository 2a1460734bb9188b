#include "render/RowsMatrix.h"

namespace Graphics
{
glm::mat3 RowsMatrix(float m0, float m1, float m2, float m3, float m4, float m5)
{
  glm::mat3 result(1.0f);
  result[0][0] = m0;
  result[1][0] = m1;
  result[2][0] = m2;
  result[0][1] = m3;
  result[1][1] = m4;
  result[2][1] = m5;
  return result;
}
}  // namespace Graphics
