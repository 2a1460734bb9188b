#include "audio/MusicPlayer.h"

#include "audio/FMODErrCheck.h"

void MusicPlayer::Attach(Studio::System* studioSystem, Studio::Bank master, Studio::Bank strings)
{
  system = studioSystem;
  masterBank = master;
  stringsBank = strings;
}

Studio::EventInstance MusicPlayer::StartInstance(const std::string& path, Studio::EventDescription& description)
{
  Studio::EventInstance instance;
  if (system == nullptr)
    return instance;
  system->getEvent(path.c_str(), &description);
  description.createInstance(&instance);
  // A path the banks do not know gives no instance; there is nothing to start, and no error to
  // raise every time the music changes.
  if (!instance)
    return instance;
  instance.setVolume(volume);
  FMODErrCheck(instance.start());
  FMODErrCheck(instance.release());
  instance.setPaused(false);
  return instance;
}

void MusicPlayer::Play(const std::string& path)
{
  if (currentInstance)
    currentInstance.stop(Studio::StopMode::Immediate);
  currentInstance = StartInstance(path, currentDescription);
  trackPath = currentInstance ? path : std::string();
  state = currentInstance ? Studio::PlaybackState::Playing : Studio::PlaybackState::Stopped;
}

void MusicPlayer::PlayTransition(const std::string& path)
{
  if (currentInstance)
    currentInstance.stop(Studio::StopMode::AllowFadeOut);
  transitionInstance = StartInstance(path, transitionDescription);
}

void MusicPlayer::Stop()
{
  if (currentInstance)
    currentInstance.stop(Studio::StopMode::Immediate);
  currentInstance = Studio::EventInstance();
  currentDescription = Studio::EventDescription();
  trackPath.clear();
  state = Studio::PlaybackState::Stopped;
}

void MusicPlayer::SetVolume(float newVolume)
{
  volume = newVolume;
  if (currentInstance)
    currentInstance.setVolume(volume);
}

Studio::PlaybackState MusicPlayer::PollState()
{
  // A track that was released and has ended is gone from the layer: that is stopped too.
  if (!currentInstance || currentInstance.getPlaybackState(&state) != Studio::Result::Ok)
    state = Studio::PlaybackState::Stopped;
  return state;
}
