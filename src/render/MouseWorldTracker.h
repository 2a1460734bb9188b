#pragma once
// Keeps its object under the mouse cursor: every update of its space the object's Transform is
// moved to the world point the cursor shows through the space's first camera. With a sprite, the
// object becomes a cursor or crosshair living in the world of its space. A paused space does not
// update, so the object then stays where it was.
#include "object/Component.h"
#include "object/MissingSiblingWarning.h"

class Camera;
class UpdateEvent;

class MouseWorldTracker : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_MouseWorldTracker;

  MouseWorldTracker();
  ~MouseWorldTracker() override;
  // A copy starts as constructed (the type table says so): the camera is looked up by the live
  // object.
  MouseWorldTracker& operator=(const MouseWorldTracker&) { return *this; }

  void OnAwake() override;

  void On(UpdateEvent* event);

private:
  // The first camera registered for the owner's space, looked up afresh each time so that a
  // camera going away never leaves a dangling pointer behind; null when there is none.
  Camera* FindCamera() const;

  bool foundCamera = false;
  bool reportedNoCamera = false;
  MissingSiblingWarning missingTransform;
};
