#include "audio/SoundSystem.h"

#include "audio/FMODErrCheck.h"
#include "audio/SoundEvents.h"
#include "audio/SoundResource.h"
#include "core/EventManager.h"
#include "core/Log.h"
#include "core/MemoryManager.h"

#include <cmath>

namespace
{
SoundSystem*& PublishedSoundSystem()
{
  static SoundSystem* published = nullptr;
  return published;
}
}  // namespace

SoundSystem* SoundSystem::Instance() { return PublishedSoundSystem(); }
void SoundSystem::SetInstance(SoundSystem* soundSystem) { PublishedSoundSystem() = soundSystem; }

SoundSystem::SoundSystem() : Listener(SoundSystemListenerId)
{
  FMODErrCheck(Studio::System::create(&system));
  if (system == nullptr)
    return;
  Studio::LowLevelSystem* lowLevel = nullptr;
  FMODErrCheck(system->getLowLevelSystem(&lowLevel));
  if (lowLevel != nullptr)
    FMODErrCheck(lowLevel->setSoftwareFormat(0, Studio::SpeakerMode::FivePointOne, 0));
  FMODErrCheck(system->initialize(1024, Studio::InitNormal, Studio::InitNormal, nullptr));
  // A bank that does not load is bad data, not a fault of the program: the reader has said why,
  // and the game goes on without its sounds rather than stopping at each failed step after it.
  bool banksLoaded = true;
  for (const auto& [path, bank] : {std::pair<const char*, Studio::Bank*>{MasterBankPath, &masterBank},
                                   std::pair<const char*, Studio::Bank*>{StringsBankPath, &stringsBank}})
  {
    const Studio::Result loaded = system->loadBankFile(path, Studio::LoadBankNormal, bank);
    if (loaded != Studio::Result::Ok)
    {
      LogError("The sound bank ", path, " could not be loaded (", Studio::ResultText(loaded),
               "); the game plays without its sounds.");
      banksLoaded = false;
    }
  }
  if (banksLoaded)
  {
    FMODErrCheck(system->getEvent(DefaultEventPath, &defaultDescription));
    FMODErrCheck(defaultDescription.loadSampleData());
  }

  EventManager* events = EventManager::Instance();
  if (events != nullptr)
  {
    events->Subscribe<SoundSystem, SoundEvent>(this, SoundSystemChannel);
    events->Subscribe<SoundSystem, LoadSoundEvent>(this, SoundSystemChannel);
    events->Subscribe<SoundSystem, CueMusicEvent>(this, SoundSystemChannel);
    events->Subscribe<SoundSystem, SetMusicVolumeEvent>(this, SoundSystemChannel);
    events->Subscribe<SoundSystem, StopMusicEvent>(this, SoundSystemChannel);
    events->Subscribe<SoundSystem, CueTransition>(this, SoundSystemChannel);
    events->Subscribe<SoundSystem, Mute>(this, SoundSystemChannel);
    events->Subscribe<SoundSystem, MenuSoundEvent>(this, SoundSystemChannel);
    events->Subscribe<SoundSystem, SetSFXVolume>(this, SoundSystemChannel);
    events->Subscribe<SoundSystem, FadeInto>(this, SoundSystemChannel);
  }

  musicPlayer.Attach(system, masterBank, stringsBank);

  // The descriptions fill in when the queue is first processed, in the first frame.
  const SoundResource soundList;
  for (const std::string& line : soundList.GetLines())
  {
    auto* load = MemoryManager::New<LoadSoundEvent>(SiteTag{"SoundSystem::SoundSystem", "source\\SoundSystem", 214},
                                                    SoundSystemChannel, line);
    if (events != nullptr)
      events->QueueEvent(load);
    else
    {
      On(load);
      MemoryManager::Delete(load);
    }
  }
}

SoundSystem::~SoundSystem()
{
  if (PublishedSoundSystem() == this)
    PublishedSoundSystem() = nullptr;
  if (system == nullptr)
    return;
  masterBank.unload();
  stringsBank.unload();
  defaultDescription.releaseAllInstances();
  system->release();
  system = nullptr;
}

Studio::EventDescription SoundSystem::DescriptionFor(const std::string& path) const
{
  const auto found = descriptions.find(path);
  return found != descriptions.end() ? found->second : defaultDescription;
}

float SoundSystem::MusicLevel() const { return masterVolume * musicVolume * menuFactor * muteFactor; }

void SoundSystem::ApplyMusicVolume(float volume) { musicPlayer.SetVolume(volume); }

// ---------------------------------------------------------------------------------------------
// Sound effects

Studio::EventInstance SoundSystem::PlaySound(const std::string& path, float)
{
  if (!playedThisFrame.insert(path).second)
    return Studio::EventInstance();
  Studio::EventInstance instance;
  DescriptionFor(path).createInstance(&instance);
  if (!instance)
    return instance;  // no bank holds it, not even the default: the game goes on without it
  instance.setVolume(muted ? 0.0f : sfxVolume * masterVolume * menuFactor * muteFactor);
  FMODErrCheck(instance.start());
  FMODErrCheck(instance.release());
  return instance;
}

Studio::EventInstance SoundSystem::PlaySound(const std::string& path, float volume, float pitch)
{
  if (volume > 0.0f)
    volume = sfxVolume;
  else if (std::isnan(volume))
    volume = 0.0f;  // would otherwise be refused by the layer and play at full volume
  if (!playedThisFrame.insert(path).second)
    return Studio::EventInstance();
  Studio::EventInstance instance;
  DescriptionFor(path).createInstance(&instance);
  if (!instance)
    return instance;
  instance.setVolume(muted ? 0.0f : masterVolume * volume * menuFactor * muteFactor);
  instance.setPitch(pitch);
  FMODErrCheck(instance.start());
  FMODErrCheck(instance.release());
  return instance;
}

void SoundSystem::On(SoundEvent* event)
{
  Studio::EventInstance instance;
  DescriptionFor(event->path).createInstance(&instance);
  if (!instance)
    return;
  instance.setVolume(event->volume * masterVolume);
  FMODErrCheck(instance.start());
  FMODErrCheck(instance.release());
}

void SoundSystem::On(LoadSoundEvent* event)
{
  Studio::EventDescription description;
  system->getEvent(event->name.c_str(), &description);
  if (description)
    descriptions.emplace(event->name, description);  // the first entry for a path stays
}

// ---------------------------------------------------------------------------------------------
// Music

void SoundSystem::On(CueMusicEvent* event)
{
  currentMusic = event->path;
  musicPlayer.Play(event->path);
}

void SoundSystem::On(CueTransition* event)
{
  if (event->musicPath == currentMusic)
    return;
  pendingMusic = event->musicPath;
  transitionPending = true;
  musicPlayer.PlayTransition(event->transitionSoundPath);
}

void SoundSystem::On(FadeInto* event)
{
  if (event->path == currentMusic)
    return;
  transitionPending = true;
  fading = true;
  pendingMusic = event->path;
}

void SoundSystem::On(StopMusicEvent*)
{
  // The track is forgotten as well as stopped, so that nothing starts it again by itself.
  musicPlayer.Stop();
}

// ---------------------------------------------------------------------------------------------
// Volumes

void SoundSystem::On(SetMusicVolumeEvent* event)
{
  musicVolume = event->volume;
  ApplyMusicVolume(MusicLevel());
}

void SoundSystem::On(SetSFXVolume* event)
{
  if (event->volume >= 0.0f && event->volume <= 1.0f)
    sfxVolume = event->volume;
}

void SoundSystem::On(Mute*)
{
  if (muted)
  {
    muted = false;
    muteFactor = 1.0f;
  }
  else
  {
    muted = true;
    muteFactor = 0.0f;
  }
  ApplyMusicVolume(MusicLevel());
}

void SoundSystem::On(MenuSoundEvent* event)
{
  menuFactor = event->menuOpen ? MenuDuck : 1.0f;
  ApplyMusicVolume(MusicLevel());
}

// ---------------------------------------------------------------------------------------------
// The frame

void SoundSystem::Update()
{
  if (system == nullptr)
    return;
  system->update();

  // Tracks loop by their event's own loop region; a track that has stopped (it ended, was
  // stopped on request, or faded out for a transition) is never started again from here.
  const Studio::PlaybackState trackState = musicPlayer.PollState();

  if (fading)
  {
    if (fadeFactor >= 0.0f)
    {
      fadeFactor -= FadeStep;
      ApplyMusicVolume(musicVolume * fadeFactor * masterVolume * menuFactor * muteFactor);
    }
    else
    {
      if (!pendingMusic.empty())
        musicPlayer.Play(pendingMusic);
      fading = false;
      transitionPending = false;  // handed over: nothing is left to start later
      fadeFactor = 1.0f;
      ApplyMusicVolume(MusicLevel());
    }
  }
  else if (transitionPending && trackState == Studio::PlaybackState::Stopped)
  {
    transitionPending = false;
    musicPlayer.Play(pendingMusic);
  }

  playedThisFrame.clear();
}
