#pragma once
// Animates the indicator sprite of an on/off button: the sprite of the button's first child that
// has one (a mark in the box of its face, so that the face itself can show focus like any other
// button's, through a ButtonAnimator beside this one), else the button's own. ButtonToggledEvent
// switching on fades the sprite in while it shrinks from "largEmphScale" to "smallEmphScale" and slides from
// "swipeOffset" to its place; switching off fades it out while it grows from 1 to 3 and slides
// to "swipeOffset". The first event, the state the button reports as it wakes, is shown at once:
// opaque or clear at scale 1. Focus (HoverBegin) keeps it opaque when on and clear when off (the
// mark always reads as the state), at "smallEmphScale"; losing it (neither detector hovering)
// returns it to scale 1. Every tween takes "animationTime" seconds. Without an indicator sprite it
// does nothing.
#include "core/fColor.h"
#include "object/Component.h"

#include <glm/vec2.hpp>

class ButtonToggledEvent;
class DetectorHoverBeginEvent;
class DetectorHoverEndEvent;
class Sprite;

class ToggleButtonAnimator : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_ToggleButtonAnimator;

  ToggleButtonAnimator() : Component(TypeId) {}
  ToggleButtonAnimator& operator=(const ToggleButtonAnimator&) = default;

  void OnAwake() override;
  void GetMembers(std::vector<MemberBase*>& members) override;

  void On(ButtonToggledEvent* event);
  void On(DetectorHoverBeginEvent* event);
  void On(DetectorHoverEndEvent* event);

  bool IsOn() const { return on; }

private:
  Sprite* Indicator() const;
  // The mark eased to the colour of the toggle's value and to this scale, the offset put back at once.
  void Settle(Sprite& sprite, const glm::vec2& scale);

  bool on = false;
  Transient<bool> shown = false;  // whether the state reported as the button woke has been shown
  glm::vec2 swipeOffset{10.0f, 10.0f};
  glm::vec2 smallEmphScale{1.5f, 1.5f};
  glm::vec2 largEmphScale{3.0f, 3.0f};
  float animationTime = 0.25f;
};
