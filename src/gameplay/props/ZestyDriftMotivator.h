#pragma once
// Drifts its object at a constant velocity, "displacement" units a second.
#include "object/Component.h"

#include <glm/vec2.hpp>

class UpdateEvent;

class ZestyDriftMotivator : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_ZestyDriftMotivator;

  ZestyDriftMotivator() : Component(TypeId) {}
  ZestyDriftMotivator& operator=(const ZestyDriftMotivator& other) = default;

  void OnAwake() override;
  void GetMembers(std::vector<MemberBase*>& members) override;
  void On(UpdateEvent* event);

private:
  glm::vec2 displacement{700.0f, 100.0f};
};
