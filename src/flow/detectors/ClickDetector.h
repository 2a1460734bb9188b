#pragma once
// The mouse side of a menu button: hovered while the mouse, seen through its space's camera, lies
// inside its object's collider, and in the frame that reads a press or a release of the left
// button made inside it (a quick click on a long frame is read after the pointer may have left);
// triggered while hovered with the left button down (pressed this frame or held), once the button
// held as it woke (if any) has been let go. Waking, it announces itself to the menu input manager
// of its space. Without a camera in its space or a collider on its object it is never hovered.
#include "flow/detectors/Detector.h"

class ClickDetector : public Detector
{
public:
  static constexpr std::uint32_t TypeId = COMP_ClickDetector;

  ClickDetector() : Detector(TypeId, Kind::HoverAndTrigger) {}
  // A copy starts as constructed.
  ClickDetector& operator=(const ClickDetector&) = default;

  void OnAwake() override;
  bool CheckHovered() override;
  bool CheckTriggered() override;

protected:
  bool IsInputHeld() override;
};
