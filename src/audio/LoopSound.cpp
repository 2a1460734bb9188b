#include "audio/LoopSound.h"

LoopSound::LoopSound() : Component(TypeId) {}

LoopSound& LoopSound::operator=(const LoopSound& other)
{
  Component::operator=(other);
  sound = other.sound;
  return *this;
}

void LoopSound::OnAwake()
{
  sound.SetEvent(IntroPath);
  sound.Play();
}
