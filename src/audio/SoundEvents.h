#pragma once
// Requests to the sound system, sent to its fixed channel. Paths are sound event paths
// ("event:/..."). SoundEvent and MenuSoundEvent are subscribed to but never sent; they keep their rows.
#include "core/EventIds.h"

#include <cstdint>
#include <string>
#include <utility>

class LoadSoundEvent : public Event
{
public:
  LoadSoundEvent(std::uint32_t channel, std::string eventPath) : Event(channel), name(std::move(eventPath)) {}
  BRINDLE_EVENT(LoadSoundEvent)

  std::string name;
};

// Subscribed to by the sound system, never sent.
class SoundEvent : public Event
{
public:
  SoundEvent(std::uint32_t channel, std::string eventPath, float soundVolume)
      : Event(channel), path(std::move(eventPath)), volume(soundVolume)
  {
  }
  BRINDLE_EVENT(SoundEvent)

  std::string path;
  float volume;
};

class CueMusicEvent : public Event
{
public:
  CueMusicEvent(std::uint32_t channel, std::string musicPath) : Event(channel), path(std::move(musicPath)) {}
  BRINDLE_EVENT(CueMusicEvent)

  std::string path;
};

// The transition sound plays, then the music.
class CueTransition : public Event
{
public:
  CueTransition(std::uint32_t channel, std::string music, std::string transitionSound = "event:/SFX/TransitionSound")
      : Event(channel), musicPath(std::move(music)), transitionSoundPath(std::move(transitionSound))
  {
  }
  BRINDLE_EVENT(CueTransition)

  std::string musicPath;
  std::string transitionSoundPath;
};

class FadeInto : public Event
{
public:
  FadeInto(std::uint32_t channel, std::string musicPath) : Event(channel), path(std::move(musicPath)) {}
  BRINDLE_EVENT(FadeInto)

  std::string path;
};

// Each one toggles muting.
class Mute : public Event
{
public:
  using Event::Event;
  BRINDLE_EVENT(Mute)
};

class SetMusicVolumeEvent : public Event
{
public:
  SetMusicVolumeEvent(std::uint32_t channel, float musicVolume) : Event(channel), volume(musicVolume) {}
  BRINDLE_EVENT(SetMusicVolumeEvent)

  float volume;
};

class StopMusicEvent : public Event
{
public:
  using Event::Event;
  BRINDLE_EVENT(StopMusicEvent)
};

// Subscribed to by the sound system, never sent.
class MenuSoundEvent : public Event
{
public:
  MenuSoundEvent(std::uint32_t channel, bool open) : Event(channel), menuOpen(open) {}
  BRINDLE_EVENT(MenuSoundEvent)

  bool menuOpen;
};

class SetSFXVolume : public Event
{
public:
  SetSFXVolume(std::uint32_t channel, float effectsVolume) : Event(channel), volume(effectsVolume) {}
  BRINDLE_EVENT(SetSFXVolume)

  float volume;
};
