#pragma once
// Removes its object when an encounter begins in its space (a ShipAttackedEvent there).
#include "object/Component.h"

class ShipAttackedEvent;

class DestroyOnEncounter : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_DestroyOnEncounter;

  DestroyOnEncounter() : Component(TypeId) {}
  DestroyOnEncounter& operator=(const DestroyOnEncounter&) { return *this; }

  void OnAwake() override;
  void On(ShipAttackedEvent* event);
};
