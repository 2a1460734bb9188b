#pragma once
// Our studio-style sound system: banks of events, event instances, and a software mixer on the
// SDL audio callback.
//
//   System::create -> getLowLevelSystem()->setSoftwareFormat -> initialize -> loadBankFile ...
//   getEvent(path) -> EventDescription::createInstance -> EventInstance::start / stop / release
//   update() once per frame: instance states follow the mixer, released instances that have
//   stopped are destroyed. release() ends everything and deletes the system.
//
// Without an audio device the system runs silently: update advances the mixer by the time that
// has passed, so sounds still end, fade and loop when they would have. Only the main thread
// calls the system; the mixer's voices are touched under the device lock.
#include "audio/studio/Bank.h"
#include "audio/studio/BankManifest.h"
#include "audio/studio/EventDescription.h"
#include "audio/studio/EventInstance.h"
#include "audio/studio/LowLevelSystem.h"
#include "audio/studio/Mixer.h"
#include "audio/studio/SampleData.h"
#include "audio/studio/StudioTypes.h"
#include "platform/AudioDevice.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace Studio
{
class System
{
public:
  // Microseconds from any fixed origin.
  using Clock = std::function<std::int64_t()>;
  static constexpr int MaximumVoices = 4096;
  // Without a device, one update never advances the mix by more than this (after a stall).
  static constexpr std::int64_t MaximumSilentStepMicroseconds = 1000000;

  static Result create(System** system);
  Result getLowLevelSystem(LowLevelSystem** lowLevel);
  Result initialize(int maxChannels, std::uint32_t studioFlags, std::uint32_t flags, void* extraDriverData);
  Result loadBankFile(const char* path, std::uint32_t flags, Bank* bank);
  Result getEvent(const char* path, EventDescription* description);
  Result update();
  // Unloads every bank, closes the device and deletes the system. Every handle goes stale.
  Result release();

  // Mixes frames frames now into output (interleaved, getOutputChannels wide). Tests and tools
  // listen to the system through this; with a device playing it takes frames from the device's
  // stream and should not be used.
  Result renderMix(float* output, int frames);
  int getOutputRate() const;
  int getOutputChannels() const;
  bool hasDevice() const { return device.IsOpen(); }
  int getPlayingVoiceCount() const;
  int getInstanceCount() const;

  // While a clock is installed, systems initialized from then on open no device and take the
  // time for their silent mixing from it. Tests use it to step sound time by hand. An empty
  // function restores the normal behaviour.
  static void SetHeadlessClock(Clock clock);

private:
  friend class LowLevelSystem;
  friend class Bank;
  friend class EventDescription;
  friend class EventInstance;

  struct BankRecord
  {
    std::uint32_t generation = 1;
    bool alive = false;
    std::string path;
    std::vector<std::uint32_t> descriptionSlots;
    std::vector<std::string> paths;  // strings this bank added
  };
  struct DescriptionRecord
  {
    std::uint32_t generation = 1;
    bool alive = false;
    std::uint32_t bank = 0;
    EventDefinition definition;
    std::shared_ptr<SampleData> sample;
    bool sampleFailed = false;  // reported once; instances then play nothing
    int instanceCount = 0;
  };
  struct InstanceRecord
  {
    std::uint32_t generation = 1;
    bool alive = false;
    std::uint32_t description = 0;
    PlaybackState state = PlaybackState::Stopped;
    float volume = 1.0f;
    float pitch = 1.0f;
    bool paused = false;
    bool released = false;
    int voice = Mixer::NoVoice;
  };

  System();
  ~System();
  System(const System&) = delete;
  System& operator=(const System&) = delete;

  static System* Find(std::uint32_t id);

  InstanceRecord* FindInstance(std::uint32_t slot, std::uint32_t generation);
  DescriptionRecord* FindDescription(std::uint32_t slot, std::uint32_t generation);
  BankRecord* FindBank(std::uint32_t slot, std::uint32_t generation);

  // Handle calls, checked against slot and generation.
  Result StartInstance(std::uint32_t slot, std::uint32_t generation);
  Result StopInstance(std::uint32_t slot, std::uint32_t generation, StopMode mode);
  Result PauseInstance(std::uint32_t slot, std::uint32_t generation, bool paused);
  Result SetInstanceVolume(std::uint32_t slot, std::uint32_t generation, float volume);
  Result SetInstancePitch(std::uint32_t slot, std::uint32_t generation, float pitch);
  Result TriggerInstanceCue(std::uint32_t slot, std::uint32_t generation);
  Result ReleaseInstance(std::uint32_t slot, std::uint32_t generation);
  Result CreateInstance(std::uint32_t slot, std::uint32_t generation, EventInstance* instance);
  Result LoadSampleData(std::uint32_t slot, std::uint32_t generation);
  Result ReleaseAllInstances(std::uint32_t slot, std::uint32_t generation);
  Result UnloadBank(std::uint32_t slot, std::uint32_t generation);
  Result SetSoftwareFormat(int sampleRate, SpeakerMode speakerMode);

  bool EnsureSample(DescriptionRecord& description);
  VoiceSettings SettingsFor(const DescriptionRecord& description, const InstanceRecord& instance) const;
  float GainOf(const DescriptionRecord& description, const InstanceRecord& instance) const;
  void DestroyInstance(std::uint32_t slot);
  void FreeVoice(InstanceRecord& instance);
  void AdvanceSilently();

  std::uint32_t id = 0;
  bool initialized = false;
  int softwareRate = DefaultSampleRate;
  SpeakerMode speakerMode = SpeakerMode::Stereo;
  LowLevelSystem lowLevel;
  AudioDevice device;
  std::unique_ptr<Mixer> mixer;
  Clock silentClock;
  std::int64_t lastSilentTime = 0;
  std::int64_t silentRemainder = 0;  // microseconds times rate not yet turned into frames
  std::vector<float> silentBuffer;

  std::vector<BankRecord> banks;
  std::vector<DescriptionRecord> descriptions;
  std::vector<InstanceRecord> instances;
  std::vector<std::uint32_t> freeInstanceSlots;
  std::map<std::string, std::uint32_t> descriptionsById;
  std::map<std::string, std::string> idsByPath;
};
}  // namespace Studio
