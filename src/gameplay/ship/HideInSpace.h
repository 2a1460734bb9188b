#pragma once
// Shows its object only while it stands on a tile of the ship (the first object registered under
// SHIPS); outside, or with no ship at all, its sprite is hidden.
#include "object/Component.h"

class UpdateEvent;

class HideInSpace : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_HideInSpace;

  HideInSpace() : Component(TypeId) {}
  HideInSpace& operator=(const HideInSpace& other) = default;

  void OnAwake() override;
  void On(UpdateEvent* event);
};
