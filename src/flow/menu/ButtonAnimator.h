#pragma once
// Shows a menu button's focus: on HoverBegin its sprite switches to frame 1 (the lit face) and
// grows to "smallEmph" times the scale it was set up with; on HoverEnd, once neither of its
// detectors hovers, it returns to frame 0 and that scale. Both over "animationTime" seconds. "swipeOffset" and "largEmph" are kept for the
// editor only. On an object without a Sprite it does nothing.
#include "object/Component.h"

#include <glm/vec2.hpp>

class DetectorHoverBeginEvent;
class DetectorHoverEndEvent;

class ButtonAnimator : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_ButtonAnimator;

  ButtonAnimator() : Component(TypeId) {}
  ButtonAnimator& operator=(const ButtonAnimator&) = default;

  void OnAwake() override;
  // Takes the sprite's scale as the one to return to.
  void Synchronize() override;
  void GetMembers(std::vector<MemberBase*>& members) override;

  void On(DetectorHoverBeginEvent* event);
  void On(DetectorHoverEndEvent* event);

private:
  // Switches the frame and eases the scale to `factor` times the set-up scale.
  void Emphasise(unsigned frame, float factor);

  glm::vec2 swipeOffset{10.0f, 10.0f};
  glm::vec2 baseScale{1.0f, 1.0f};
  float smallEmph = 1.2f;
  float largEmph = 3.0f;
  float animationTime = 0.25f;
};
