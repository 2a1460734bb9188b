#include "render/Camera.h"

#include "core/EventManager.h"
#include "core/FiniteCheck.h"
#include "input/Input.h"
#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/Space.h"
#include "object/Transform.h"
#include "render/Graphics.h"

#include <glm/glm.hpp>

#include <cmath>

void Camera::OnAwake()
{
  GameObject* object = GetGameObject();
  if (object == nullptr)
    return;
  space = object->GetSpace();
  transform = object->GetTransform();
  if (space == nullptr)
    return;
  // A later camera of the same space replaces an earlier one.
  space->SetCurrentCamera(this);
  if (Graphics::Graphics* renderer = Graphics::Graphics::Current())
  {
    renderer->RegisterCamera(this, space);
    registered = true;
  }
  SubscribeOnSpace<UpdateEvent>(this);
}

void Camera::OnDestroy()
{
  Graphics::Graphics* renderer = Graphics::Graphics::Current();
  if (renderer != nullptr && registered)
    renderer->UnregisterCamera(this);
  registered = false;
  // The space must not go on pointing at a camera that is gone: it falls back to the last other
  // camera registered for it, or to none.
  if (space != nullptr && space->GetCurrentCamera() == this)
  {
    Camera* fallback = nullptr;
    if (renderer != nullptr)
      fallback = dynamic_cast<Camera*>(renderer->GetSpaceCamera(space));
    space->SetCurrentCamera(fallback);
  }
  space = nullptr;
  transform = nullptr;
}

void Camera::On(UpdateEvent*)
{
  UpdateMouseWorldPosition();
}

glm::mat3 Camera::GetWorldMatrix() const
{
  return transform != nullptr ? transform->GetWorldMatrix() : glm::mat3(1.0f);
}

glm::mat3 Camera::ToCameraSpace() const
{
  return adjustment * InverseAffine(GetWorldMatrix());
}

glm::mat3 Camera::InverseAffine(const glm::mat3& world)
{
  // glm indexes columns first: world[c][r]. With L = [[m0, m1], [m3, m4]] and t = (m2, m5):
  const float m0 = world[0][0], m1 = world[1][0], m2 = world[2][0];
  const float m3 = world[0][1], m4 = world[1][1], m5 = world[2][1];
  const float determinant = m0 * m4 - m1 * m3;
  if (determinant == 0.0f || !std::isfinite(determinant))
    return glm::mat3(1.0f);
  const float i0 = m4 / determinant, i1 = -m1 / determinant;
  const float i3 = -m3 / determinant, i4 = m0 / determinant;
  glm::mat3 inverse(1.0f);
  inverse[0][0] = i0;
  inverse[1][0] = i1;
  inverse[0][1] = i3;
  inverse[1][1] = i4;
  // L^-1 (p - t) = L^-1 p - L^-1 t.
  inverse[2][0] = -(i0 * m2 + i1 * m5);
  inverse[2][1] = -(i3 * m2 + i4 * m5);
  return inverse;
}

glm::vec2 Camera::WindowToWorld(glm::vec2 mousePixels, glm::vec2 windowSize, const glm::mat4& projection,
                                const glm::mat3& world)
{
  const float halfWidth = windowSize.x / 2.0f;
  const float halfHeight = windowSize.y / 2.0f;
  // Normalised device coordinates, y up.
  const float x = (mousePixels.x - halfWidth) / halfWidth;
  const float y = (mousePixels.y - halfHeight) / (-halfHeight);
  const glm::vec4 view = glm::inverse(projection) * glm::vec4(x, y, 0.0f, 1.0f);
  const glm::vec3 point = world * glm::vec3(view.x, view.y, 1.0f);
  return glm::vec2(point.x, point.y);
}

void Camera::SetShakeMatrix(const glm::mat3& matrix)
{
  if (BRINDLE_CHECK_FINITE(matrix, "shake matrix"))
    adjustment = matrix;
}

std::optional<glm::vec2> Camera::ToWorld(glm::vec2 windowPixels) const
{
  const Graphics::Graphics* renderer = Graphics::Graphics::Current();
  if (renderer == nullptr)
    return std::nullopt;
  const glm::vec2 windowSize(static_cast<float>(renderer->GetWindowWidth()),
                             static_cast<float>(renderer->GetWindowHeight()));
  if (windowSize.x <= 0.0f || windowSize.y <= 0.0f)
    return std::nullopt;  // no window yet: nothing to measure the pixel against
  return WindowToWorld(windowPixels, windowSize, renderer->projection, GetWorldMatrix());
}

void Camera::UpdateMouseWorldPosition()
{
  const Input* input = Input::Instance();
  if (input == nullptr)
    return;
  if (const std::optional<glm::vec2> world = ToWorld(input->GetMousePosition()))
    mouseWorldPosition = *world;
}
