#pragma once
// What the renderer needs of a camera: the view matrix that maps the world of its space into
// camera space. `Camera` implements it; tests draw through small stand-ins.
#include <glm/mat3x3.hpp>

namespace Graphics
{
class CameraView
{
public:
  // The world-to-camera matrix (glm, acting on column vectors (x, y, 1)), with any adjustment
  // such as camera shake applied after it.
  virtual glm::mat3 ToCameraSpace() const = 0;

protected:
  ~CameraView() = default;
};
}  // namespace Graphics
