#pragma once
// What part of a space is seen. The camera's object's Transform places it: position, rotation,
// and scale as zoom (a camera scaled by 2 shows twice the world). Drawing components of the space
// compose ToCameraSpace into their records; code that needs the mouse in world coordinates asks a
// camera for it. Camera shake writes the adjustment, which applies after the view.
//
// A camera becomes its space's current camera when it wakes and registers with the renderer (the
// session); when it goes, its space falls back to another camera still registered for it, or to
// none, and a space without a camera is not drawn.
#include "object/Component.h"
#include "render/CameraView.h"

#include <glm/mat3x3.hpp>
#include <glm/mat4x4.hpp>
#include <glm/vec2.hpp>

#include <optional>

class Space;
class Transform;
class UpdateEvent;

namespace Graphics
{
class Graphics;
}

class Camera : public Component, public Graphics::CameraView
{
public:
  static constexpr std::uint32_t TypeId = COMP_Camera;

  Camera() : Component(TypeId) {}
  ~Camera() override = default;
  // A copy starts as constructed: cameras copy nothing (the component table says so).
  Camera& operator=(const Camera&) { return *this; }

  void OnAwake() override;
  void OnDestroy() override;
  void On(UpdateEvent* event);

  // World to camera space: the exact inverse of the transform's world matrix, then the adjustment.
  glm::mat3 ToCameraSpace() const override;
  glm::vec2 GetMouseWorldPosition() const { return mouseWorldPosition; }
  // The transform's world matrix; identity when the camera has no transform.
  glm::mat3 GetWorldMatrix() const;
  // A matrix with NaN or infinities is refused (a failed check; the adjustment stays).
  void SetShakeMatrix(const glm::mat3& matrix);
  const glm::mat3& GetShakeMatrix() const { return adjustment; }
  // Reads the mouse from the input and the window size and projection from the renderer; with no
  // input or no window the position stays as it was.
  void UpdateMouseWorldPosition();
  // Where a pixel of the game's window lies in the world this camera shows; nothing without a window.
  std::optional<glm::vec2> ToWorld(glm::vec2 windowPixels) const;

  // The editor's free camera has no object: it is given its transform directly.
  void SetTransform(Transform* cameraTransform) { transform = cameraTransform; }
  Transform* GetTransform() const { return transform; }

  // The inverse of a 2D affine world matrix (glm layout, translation in column 2): a point p goes
  // to L^-1 (p - t). A singular matrix (a zero scale) gives the identity rather than infinities.
  static glm::mat3 InverseAffine(const glm::mat3& world);
  // Where a window pixel lies in the world seen through a camera whose world matrix is `world`.
  static glm::vec2 WindowToWorld(glm::vec2 mousePixels, glm::vec2 windowSize, const glm::mat4& projection,
                                 const glm::mat3& world);

private:
  Space* space = nullptr;
  Transform* transform = nullptr;
  glm::mat3 adjustment{1.0f};
  glm::vec2 mouseWorldPosition{0.0f, 0.0f};
  bool registered = false;
};
