#pragma once
// What sound tests run in: the engine with the sound system on the game's own banks and sound
// list (support/ScopedEngine), its time stepped by hand, and ways to listen to its mix.
#include "audio/SoundSystem.h"
#include "core/EventManager.h"
#include "core/MemoryManager.h"
#include "support/ScopedEngine.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

using Studio::EventInstance;
using Studio::PlaybackState;

class SoundTestEnvironment : public EngineTestWith<ScopedEngine::WithSound>
{
protected:
  void SetUp() override { events->ProcessQueue(); }

  // Sends an event on the sound channel at once.
  template <typename E, typename... Args>
  void Send(Args&&... args)
  {
    E* event = MemoryManager::New<E>(BRINDLE_SITE, SoundSystemChannel, std::forward<Args>(args)...);
    events->SendEvent(event);
  }

  // One frame of the given length.
  void Frame(double seconds = 1.0 / 60.0)
  {
    nowUs += static_cast<std::int64_t>(seconds * 1e6);
    sound->Update();
  }

  double Loudness(double seconds = 0.02)
  {
    Studio::System* system = sound->GetStudioSystem();
    std::vector<float> out(static_cast<std::size_t>(seconds * system->getOutputRate()) * system->getOutputChannels());
    system->renderMix(out.data(), static_cast<int>(out.size()) / system->getOutputChannels());
    double sum = 0.0;
    for (float value : out)
      sum += static_cast<double>(value) * value;
    return std::sqrt(sum / static_cast<double>(out.size()));
  }

  PlaybackState StateOf(const EventInstance& instance)
  {
    PlaybackState state = PlaybackState::Playing;
    return instance.getPlaybackState(&state) == Studio::Result::Ok ? state : PlaybackState::Stopped;
  }

  std::string IdOf(const EventInstance& instance)
  {
    Studio::EventDescription description;
    instance.getDescription(&description);
    std::string id;
    description.getId(&id);
    return id;
  }

  std::string IdOfPath(const std::string& path)
  {
    Studio::EventDescription description;
    sound->GetStudioSystem()->getEvent(path.c_str(), &description);
    std::string id;
    description.getId(&id);
    return id;
  }

  float TrackVolume()
  {
    float volume = -1.0f;
    sound->GetMusicPlayer().GetCurrentInstance().getVolume(&volume);
    return volume;
  }
};
