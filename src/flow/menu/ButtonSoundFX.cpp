#include "flow/menu/ButtonSoundFX.h"

#include "audio/SoundEvents.h"
#include "flow/menu/ButtonToggle.h"
#include "input/DetectorEvents.h"

void ButtonSoundFX::OnAwake()
{
  SubscribeOnOwner<DetectorTriggerEndEvent>(this);
}

void ButtonSoundFX::Synchronize()
{
  QueueToggled(*this, VolumeOf(&SoundSystem::GetSFXVolume) > 0.5f);
}

void ButtonSoundFX::On(DetectorTriggerEndEvent*)
{
  PressVolumeToggle<SetSFXVolume>(*this, VolumeOf(&SoundSystem::GetSFXVolume));
}
