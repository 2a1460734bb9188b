#pragma once
// The music track and the transition sting. The sound system decides what plays when; the
// player starts, stops and levels the instances.
#include "audio/studio/Bank.h"
#include "audio/studio/EventDescription.h"
#include "audio/studio/EventInstance.h"
#include "audio/studio/System.h"

#include <string>

class MusicPlayer
{
public:
  // Stops the current track at once and starts path from its beginning at the player's volume.
  void Play(const std::string& path);
  // Lets the current track fade out by its own fade-out and plays the sting path over it. The
  // sting ends by itself; the current track is still the fading one until the next Play.
  void PlayTransition(const std::string& path);
  // Stops the current track at once and forgets it.
  void Stop();
  // Stores the volume given to music instances and applies it to the current track.
  void SetVolume(float newVolume);
  float GetVolume() const { return volume; }

  // Polls the current track into the kept state word; Stopped when there is no track.
  Studio::PlaybackState PollState();
  Studio::PlaybackState GetState() const { return state; }
  bool HasTrack() const { return static_cast<bool>(currentInstance); }
  const std::string& GetTrackPath() const { return trackPath; }
  const Studio::EventInstance& GetCurrentInstance() const { return currentInstance; }
  const Studio::EventInstance& GetTransitionInstance() const { return transitionInstance; }

  void Attach(Studio::System* studioSystem, Studio::Bank master, Studio::Bank strings);

private:
  // Creates, levels, starts and releases one instance of path; null when the path names nothing.
  Studio::EventInstance StartInstance(const std::string& path, Studio::EventDescription& description);

  float volume = 1.0f;
  Studio::PlaybackState state = Studio::PlaybackState::Stopped;
  std::string trackPath;
  Studio::EventDescription currentDescription;
  Studio::EventInstance currentInstance;
  Studio::EventDescription transitionDescription;
  Studio::EventInstance transitionInstance;
  Studio::System* system = nullptr;
  Studio::Bank masterBank;
  Studio::Bank stringsBank;
};
