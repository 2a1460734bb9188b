#include "flow/ButtonSoundFX.h"

#include "audio/SoundEvents.h"
#include "audio/SoundSystem.h"
#include "flow/ButtonToggle.h"
#include "flow/Post.h"
#include "input/DetectorEvents.h"

namespace
{
float EffectsVolume()
{
  const SoundSystem* sound = SoundSystem::Instance();
  return sound != nullptr ? sound->GetSFXVolume() : 1.0f;
}
}  // namespace

void ButtonSoundFX::OnAwake()
{
  SubscribeOnOwner<DetectorTriggerEndEvent>(this);
}

void ButtonSoundFX::Synchronize()
{
  QueueToggled(*this, EffectsVolume() > 0.5f);
}

void ButtonSoundFX::On(DetectorTriggerEndEvent*)
{
  const bool on = EffectsVolume() < 0.5f;
  PostQueued<SetSFXVolume>(BRINDLE_SITE, SoundSystemChannel, on ? 1.0f : 0.0f);
  QueueToggled(*this, on);
}
