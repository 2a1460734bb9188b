#pragma once
// A jukebox: each interaction, at least 0.2 s after the last one it took, starts or stops the
// menu music in turn.
#include "object/Component.h"

class InteractionEvent;
class UpdateEvent;

class InteractJukebox : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_InteractJukebox;
  static constexpr float Cooldown = 0.2f;

  InteractJukebox() : Component(TypeId) {}
  InteractJukebox& operator=(const InteractJukebox&) = default;

  void OnAwake() override;
  void On(UpdateEvent* event);
  void On(InteractionEvent* event);

  bool IsPlaying() const { return playing; }

private:
  float cooldown = 0.0f;
  bool playing = false;
};
