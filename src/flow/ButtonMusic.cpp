#include "flow/ButtonMusic.h"

#include "audio/SoundEvents.h"
#include "audio/SoundSystem.h"
#include "flow/ButtonToggle.h"
#include "flow/Post.h"
#include "input/DetectorEvents.h"

namespace
{
float MusicVolume()
{
  const SoundSystem* sound = SoundSystem::Instance();
  return sound != nullptr ? sound->GetMusicVolume() : 1.0f;
}
}  // namespace

void ButtonMusic::OnAwake()
{
  SubscribeOnOwner<DetectorTriggerEndEvent>(this);
}

void ButtonMusic::Synchronize()
{
  QueueToggled(*this, MusicVolume() > 0.5f);
}

void ButtonMusic::On(DetectorTriggerEndEvent*)
{
  const bool on = MusicVolume() < 0.5f;
  PostQueued<SetMusicVolumeEvent>(BRINDLE_SITE, SoundSystemChannel, on ? 1.0f : 0.0f);
  QueueToggled(*this, on);
}
