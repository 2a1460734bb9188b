#pragma once
// The one object that talks to the sound layer. It owns the studio system and the two banks, a
// table of event descriptions built from the sound list, the music player and the volumes.
// Components play effects through the Sound record they embed (a direct call to PlaySound) and
// steer music and volumes with events on the sound channel 2, where this listens.
//
// Music runs as a small state machine: a track plays (looping when its event loops); a
// transition lets it fade out under a sting and starts the pending track once it has stopped; a
// fade lowers it over 313 updates and then starts the pending track. Nothing starts a track
// that has stopped, whether it ended, was stopped on request or faded out.
#include "audio/MusicPlayer.h"
#include "audio/studio/Bank.h"
#include "audio/studio/EventDescription.h"
#include "audio/studio/EventInstance.h"
#include "audio/studio/System.h"
#include "core/Listener.h"

#include <map>
#include <set>
#include <string>

class CueMusicEvent;
class CueTransition;
class FadeInto;
class LoadSoundEvent;
class MenuSoundEvent;
class Mute;
class SetMusicVolumeEvent;
class SetSFXVolume;
class SoundEvent;
class StopMusicEvent;

class SoundSystem : public Listener
{
public:
  static constexpr const char* MasterBankPath = "Assets/Sounds/Master Bank.bank";
  static constexpr const char* StringsBankPath = "Assets/Sounds/Master Bank.strings.bank";
  static constexpr const char* DefaultEventPath = "event:/SFX/PistolShoot";
  static constexpr float FadeStep = 0.0032f;
  static constexpr float MenuDuck = 0.3f;

  SoundSystem();
  ~SoundSystem() override;
  SoundSystem(const SoundSystem&) = delete;
  SoundSystem& operator=(const SoundSystem&) = delete;

  // The sound system published by the session; null outside its life.
  static SoundSystem* Instance();
  static void SetInstance(SoundSystem* soundSystem);

  // Once per frame, before input.
  void Update();

  // Starts one sound effect; null when nothing started (the path already started this frame,
  // or it names nothing). The volume of the first form takes no part.
  Studio::EventInstance PlaySound(const std::string& path, float volume);
  Studio::EventInstance PlaySound(const std::string& path, float volume, float pitch);

  void On(SoundEvent* event);
  void On(LoadSoundEvent* event);
  void On(CueMusicEvent* event);
  void On(SetMusicVolumeEvent* event);
  void On(StopMusicEvent* event);
  void On(CueTransition* event);
  void On(Mute* event);
  void On(MenuSoundEvent* event);
  void On(SetSFXVolume* event);
  void On(FadeInto* event);

  float GetMusicVolume() const { return musicVolume; }
  float GetSFXVolume() const { return sfxVolume; }
  bool IsMuted() const { return muted; }

  // For tests and the debug windows.
  const std::string& GetCurrentMusic() const { return currentMusic; }
  const std::string& GetPendingMusic() const { return pendingMusic; }
  bool IsTransitionPending() const { return transitionPending; }
  bool IsFading() const { return fading; }
  float GetFadeFactor() const { return fadeFactor; }
  bool HasDescription(const std::string& path) const { return descriptions.count(path) != 0; }
  std::size_t DescriptionCount() const { return descriptions.size(); }
  const MusicPlayer& GetMusicPlayer() const { return musicPlayer; }
  Studio::System* GetStudioSystem() const { return system; }

private:
  Studio::EventDescription DescriptionFor(const std::string& path) const;
  // The volume music plays at outside a fade.
  float MusicLevel() const;
  void ApplyMusicVolume(float volume);

  MusicPlayer musicPlayer;
  std::string currentMusic;
  float masterVolume = 1.0f;
  float musicVolume = 1.0f;
  float fadeFactor = 1.0f;
  float sfxVolume = 1.0f;
  float menuFactor = 1.0f;
  float muteFactor = 1.0f;
  bool muted = false;
  bool transitionPending = false;
  bool fading = false;
  std::string pendingMusic;
  Studio::System* system = nullptr;
  Studio::Bank masterBank;
  Studio::Bank stringsBank;
  Studio::EventDescription defaultDescription;
  std::map<std::string, Studio::EventDescription> descriptions;
  std::set<std::string> playedThisFrame;
};
