#include "audio/Sound.h"

#include "audio/SoundSystem.h"
#include "platform/Random.h"

void Sound::Play()
{
  SoundSystem* soundSystem = SoundSystem::Instance();
  if (soundSystem == nullptr)
    return;
  if (pitch == 1.0f)
    instance = soundSystem->PlaySound(path, volume);
  else
    instance = soundSystem->PlaySound(path, volume, pitch - pitchOffset);
  if (randomPitch)
    pitchOffset = static_cast<float>(Random() % 10) * pitchStep;
}

void Sound::Start()
{
  if (playing)
    return;
  SoundSystem* soundSystem = SoundSystem::Instance();
  if (soundSystem == nullptr)
    return;
  instance = soundSystem->PlaySound(path, volume);
  playing = true;
}

void Sound::Stop()
{
  playing = false;
  // A kept instance that has since ended and gone away answers as stale, harmlessly.
  if (instance)
    instance.stop(Studio::StopMode::Immediate);
}

void Sound::TriggerCue()
{
  if (instance)
    instance.triggerCue();
}

void Sound::SetEvent(const std::string& newPath) { path = newPath; }

void Sound::StopAndClear()
{
  Stop();
  path.clear();
}
