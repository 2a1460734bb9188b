#pragma once
// Eases its camera's scale towards "zoom" at "zoomSpeed" per second (snapping once within 0.01)
// and, while "leashed", moves it "moveSpeed" of the remaining way to "position" each update,
// stopping within 0.01. SetZoom sets the aim and rate, CameraMoveTo leashes it to a point, and
// PlaceCameraEvent puts it somewhere at some scale at once.
#include "object/Component.h"

#include <glm/vec2.hpp>

class CameraMoveTo;
class PlaceCameraEvent;
class SetZoom;
class Transform;
class UpdateEvent;

class ZoomManager : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_ZoomManager;

  ZoomManager() : Component(TypeId) {}
  ZoomManager& operator=(const ZoomManager&) = default;

  void OnAwake() override;
  void GetMembers(std::vector<MemberBase*>& members) override;

  void On(UpdateEvent* event);
  void On(SetZoom* event);
  void On(CameraMoveTo* event);
  void On(PlaceCameraEvent* event);

  float GetZoom() const { return zoom; }
  bool IsLeashed() const { return leashed; }

private:
  glm::vec2 position{0.0f, 0.0f};
  // Level data sets it; until then the camera keeps the scale it has.
  float zoom = 1.0f;
  float zoomSpeed = 0.2f;
  float moveSpeed = 0.02f;
  bool leashed = false;
  Transient<Transform*> transform = nullptr;
};
