#pragma once
// The on/off buttons (full screen, music, sound effects, god mode) report their state to their
// own object, where the toggle animator shows it: after every press, and once after waking.
#include "audio/SoundSystem.h"
#include "core/Send.h"

class Component;

void QueueToggled(const Component& button, bool on);

// The music and sound-effect buttons: a volume below half goes to 1 (on), any other to 0 (off),
// through the sound system's VolumeEvent; the state follows.
template <typename VolumeEvent>
void PressVolumeToggle(const Component& button, float volume)
{
  const bool on = volume < 0.5f;
  Queue<VolumeEvent>(BRINDLE_SITE, SoundSystemChannel, on ? 1.0f : 0.0f);
  QueueToggled(button, on);
}

// The volume a toggle reads: the sound system's, or full without one.
inline float VolumeOf(float (SoundSystem::*volume)() const)
{
  const SoundSystem* sound = SoundSystem::Instance();
  return sound != nullptr ? (sound->*volume)() : 1.0f;
}
