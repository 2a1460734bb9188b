#pragma once
// Switches its object's sprite on when it wakes; other components show and hide the object.
#include "object/Component.h"

class InteractionHint : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_InteractionHint;

  InteractionHint() : Component(TypeId) {}
  InteractionHint& operator=(const InteractionHint&) = default;

  void OnAwake() override;
};
