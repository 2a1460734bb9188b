#pragma once
// Slides its object in a straight line from where it woke towards "target position": after
// "delay" seconds it moves at the speed that covers the distance in "travelTime" seconds, and
// keeps going past the target at that speed for as long as it lives. A "travelTime" of 0 or less
// puts it on the target once the delay is over.
#include "object/Component.h"

#include <glm/vec2.hpp>

class UpdateEvent;

class MoveTo : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_MoveTo;

  MoveTo() : Component(TypeId) {}
  MoveTo& operator=(const MoveTo& other) = default;

  void OnAwake() override;
  void GetMembers(std::vector<MemberBase*>& members) override;
  void On(UpdateEvent* event);

private:
  glm::vec2 targetPosition{-1.0f, -1.0f};
  float delay = 0.0f;
  float travelTime = 3.0f;
  glm::vec2 start{0.0f, 0.0f};
};
