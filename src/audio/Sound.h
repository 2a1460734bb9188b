#pragma once
// The record a component embeds to play one sound event through the sound system: the event's
// path, how loud and at what pitch, an optional random pitch step, and the instance of its last
// play. Components reflect the path (GetEvent) and may reflect the volume and pitch.
//
// Copying a record copies everything, the kept instance included. Destroying one stops its
// instance at once, so a component that goes away takes its sound with it.
#include "audio/studio/EventInstance.h"

#include <string>

class Sound
{
public:
  static constexpr const char* DefaultPath = "event:/SFX/Menu Click";

  Sound() = default;
  Sound(const Sound&) = default;
  Sound& operator=(const Sound&) = default;
  ~Sound() { StopAndClear(); }

  // Plays once. Pitch exactly 1.0 plays unpitched; otherwise at the pitch less the offset drawn
  // at the previous play. With random pitch set, a new offset (0 to 9 steps) is drawn after.
  void Play();
  // Starts a sound that runs until Stop (a loop or a held effect); does nothing while playing.
  void Start();
  void Stop();
  // Leaves the sustain loop of the kept instance, so the sound plays out its ending.
  void TriggerCue();
  void SetEvent(const std::string& path);
  void StopAndClear();

  std::string& GetEvent() { return path; }
  const std::string& GetEvent() const { return path; }
  float& GetVolume() { return volume; }
  float& GetPitch() { return pitch; }
  float& GetPitchStep() { return pitchStep; }
  bool& GetRandomPitch() { return randomPitch; }
  float GetPitchOffset() const { return pitchOffset; }
  bool IsPlaying() const { return playing; }
  const Studio::EventInstance& GetInstance() const { return instance; }

private:
  std::string path = DefaultPath;
  float volume = 2.0f;
  float pitch = 1.0f;
  float pitchOffset = 0.0f;
  float pitchStep = 0.0f;
  bool randomPitch = false;
  bool playing = false;
  Studio::EventInstance instance;
};
