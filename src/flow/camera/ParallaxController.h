#pragma once
// Places its object part-way between where it woke and the object named "target":
// anchor + "mutliplier" x (target - anchor), in local positions, every update.
#include "object/Component.h"

#include <glm/vec2.hpp>
#include <string>

class UpdateEvent;

class ParallaxController : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_ParallaxController;

  ParallaxController() : Component(TypeId) {}
  ParallaxController& operator=(const ParallaxController&) = default;

  void OnAwake() override;
  void GetMembers(std::vector<MemberBase*>& members) override;
  void On(UpdateEvent* event);

private:
  std::string target;
  float multiplier = 0.5f;
  glm::vec2 anchor{0.0f, 0.0f};
};
