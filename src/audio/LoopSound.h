#pragma once
// Plays the intro panning sequence once when its object wakes; removing the object cuts it off.
#include "audio/Sound.h"
#include "object/Component.h"

class LoopSound : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_LoopSound;
  static constexpr const char* IntroPath = "event:/Music/IntroPanSequence";

  LoopSound();
  // Every field travels with a copy.
  LoopSound& operator=(const LoopSound&) = default;

  void OnAwake() override;

  const Sound& GetSound() const { return sound; }

private:
  Sound sound;
};
