#pragma once
// When the player interacts with its object, the game goes to the end screen.
#include "object/Component.h"

class InteractionEvent;

class LoadEndScreen : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_LoadEndScreen;

  LoadEndScreen() : Component(TypeId) {}
  LoadEndScreen& operator=(const LoadEndScreen&) = default;

  void OnAwake() override;
  void On(InteractionEvent* event);
};
