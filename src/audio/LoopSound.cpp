#include "audio/LoopSound.h"

LoopSound::LoopSound() : Component(TypeId) {}

void LoopSound::OnAwake()
{
  sound.SetEvent(IntroPath);
  sound.Play();
}
