#pragma once
// A debug aid: on every update it casts a fan of rays from its object and draws them.
#include "object/Component.h"

#include <glm/vec2.hpp>

class UpdateEvent;

class RayCastTest : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_RayCastTest;
  static constexpr int FanRayCount = 150;
  static constexpr float RayLength = 2000.0f;

  RayCastTest() : Component(TypeId) {}
  // Every field travels with a copy.
  RayCastTest& operator=(const RayCastTest&) = default;

  void OnAwake() override;
  void GetMembers(std::vector<MemberBase*>& members) override;
  // One ray straight down, then 150 around the full circle.
  void On(UpdateEvent* event);

  glm::vec2 dir{1.0f, 0.0f};  // shown and saved only
};
