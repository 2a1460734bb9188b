#pragma once
// A sound when the player touches its object.
#include "audio/Sound.h"
#include "object/Component.h"

class CollisionEvent;

class EmitOnContact : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_EmitOnContact;
  // The path once carried its prefix twice, naming no sound.
  static constexpr const char* SoundPath = "event:/SFX/RifleShoot";

  EmitOnContact() : Component(TypeId) { sound.SetEvent(SoundPath); }
  EmitOnContact& operator=(const EmitOnContact& other) = default;

  void OnAwake() override;
  void On(CollisionEvent* event);

  const Sound& GetSound() const { return sound; }

private:
  Sound sound;
};
