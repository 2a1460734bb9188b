#include "flow/menu/ButtonMusic.h"

#include "audio/SoundEvents.h"
#include "flow/menu/ButtonToggle.h"
#include "input/DetectorEvents.h"

void ButtonMusic::OnAwake()
{
  SubscribeOnOwner<DetectorTriggerEndEvent>(this);
}

void ButtonMusic::Synchronize()
{
  QueueToggled(*this, VolumeOf(&SoundSystem::GetMusicVolume) > 0.5f);
}

void ButtonMusic::On(DetectorTriggerEndEvent*)
{
  PressVolumeToggle<SetMusicVolumeEvent>(*this, VolumeOf(&SoundSystem::GetMusicVolume));
}
