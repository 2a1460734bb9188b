#pragma once
// The exit of an encounter or of the tutorial: when the player interacts with it, its level's
// LevelManager hears that the player leaves.
#include "object/Component.h"

class InteractionEvent;

class LoadMainZone : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_LoadMainZone;

  LoadMainZone() : Component(TypeId) {}
  LoadMainZone& operator=(const LoadMainZone&) = default;

  void OnAwake() override;
  void On(InteractionEvent* event);
};
