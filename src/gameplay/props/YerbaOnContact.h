#pragma once
// A prop that gives off a soda can of a random colour, flung sideways and upwards, whenever a
// bullet of either side hits it.
#include "object/Component.h"

class CollisionEvent;

class YerbaOnContact : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_YerbaOnContact;

  YerbaOnContact() : Component(TypeId) {}
  YerbaOnContact& operator=(const YerbaOnContact&) = default;

  void OnAwake() override;
  void On(CollisionEvent* event);
};
