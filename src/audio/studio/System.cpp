#include "audio/studio/System.h"

#include "audio/studio/WaveFile.h"
#include "core/Log.h"

#include <algorithm>
#include <chrono>
#include <cmath>

namespace Studio
{
namespace
{
// Live systems by id. Handles carry the id, so a handle of a released system finds nothing.
std::vector<std::pair<std::uint32_t, System*>>& LiveSystems()
{
  static std::vector<std::pair<std::uint32_t, System*>> systems;
  return systems;
}

std::uint32_t& NextSystemId()
{
  static std::uint32_t next = 1;
  return next;
}

System::Clock& HeadlessClock()
{
  static System::Clock clock;
  return clock;
}

std::int64_t SteadyMicroseconds()
{
  return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

std::size_t FramesOf(double seconds, int rate)
{
  return static_cast<std::size_t>(std::llround(seconds * rate));
}

// Volumes below zero are silence; the ceiling keeps a stray value from deafening anyone.
constexpr float MaximumGain = 4.0f;
constexpr float MinimumPitch = 1.0f / 16.0f;
constexpr float MaximumPitch = 16.0f;
}  // namespace

// ---------------------------------------------------------------------------------------------
// Life of the system

System::System() : lowLevel(*this)
{
  id = NextSystemId()++;
  LiveSystems().emplace_back(id, this);
}

System::~System()
{
  auto& systems = LiveSystems();
  systems.erase(std::remove_if(systems.begin(), systems.end(), [this](const auto& entry) { return entry.second == this; }),
                systems.end());
}

System* System::Find(std::uint32_t systemId)
{
  if (systemId == 0)
    return nullptr;
  for (const auto& entry : LiveSystems())
    if (entry.first == systemId)
      return entry.second;
  return nullptr;
}

void System::SetHeadlessClock(Clock clock) { HeadlessClock() = std::move(clock); }

Result System::create(System** system)
{
  if (system == nullptr)
    return Result::ErrorInvalidParameter;
  *system = new System();
  return Result::Ok;
}

Result System::getLowLevelSystem(LowLevelSystem** result)
{
  if (result == nullptr)
    return Result::ErrorInvalidParameter;
  *result = &lowLevel;
  return Result::Ok;
}

Result LowLevelSystem::setSoftwareFormat(int sampleRate, SpeakerMode speakerMode, int)
{
  return system.SetSoftwareFormat(sampleRate, speakerMode);
}

Result System::SetSoftwareFormat(int sampleRate, SpeakerMode mode)
{
  if (initialized)
    return Result::ErrorAlreadyInitialized;
  if (sampleRate < 0 || (sampleRate != 0 && (sampleRate < 8000 || sampleRate > 192000)))
    return Result::ErrorInvalidParameter;
  softwareRate = sampleRate == 0 ? DefaultSampleRate : sampleRate;
  speakerMode = mode;
  return Result::Ok;
}

Result System::initialize(int maxChannels, std::uint32_t, std::uint32_t, void*)
{
  if (initialized)
    return Result::ErrorAlreadyInitialized;
  if (maxChannels < 1)
    return Result::ErrorInvalidParameter;
  const int voiceCount = std::min(maxChannels, MaximumVoices);
  const int wantedChannels = ChannelCountOf(speakerMode);
  int rate = softwareRate;
  int channels = wantedChannels;
  std::string problem = "no device wanted (headless clock installed)";
  const bool opened = !HeadlessClock() && device.Open(softwareRate, wantedChannels, problem);
  if (opened)
  {
    rate = device.Rate();
    channels = device.Channels();
  }
  else
  {
    if (!HeadlessClock())
      LogWarning("No audio device (", problem, "); sound runs silently.");
    silentClock = HeadlessClock() ? HeadlessClock() : Clock(SteadyMicroseconds);
    lastSilentTime = silentClock();
  }
  mixer = std::make_unique<Mixer>(rate, channels, voiceCount);
  device.Start(mixer.get());
  initialized = true;
  return Result::Ok;
}

Result System::release()
{
  for (std::uint32_t slot = 0; slot < banks.size(); ++slot)
    if (banks[slot].alive)
      UnloadBank(slot, banks[slot].generation);
  device.Close();
  delete this;
  return Result::Ok;
}

int System::getOutputRate() const { return mixer ? mixer->OutputRate() : 0; }
int System::getOutputChannels() const { return mixer ? mixer->OutputChannels() : 0; }

int System::getPlayingVoiceCount() const
{
  if (!mixer)
    return 0;
  int count = 0;
  for (const InstanceRecord& instance : instances)
    if (instance.alive && instance.voice != Mixer::NoVoice)
      ++count;
  return count;
}

int System::getInstanceCount() const
{
  return static_cast<int>(std::count_if(instances.begin(), instances.end(), [](const InstanceRecord& record) { return record.alive; }));
}

Result System::renderMix(float* output, int frames)
{
  if (!initialized)
    return Result::ErrorNotInitialized;
  if (output == nullptr || frames < 0)
    return Result::ErrorInvalidParameter;
  AudioDeviceLock lock(device);
  mixer->Mix(output, frames);
  return Result::Ok;
}

// ---------------------------------------------------------------------------------------------
// Banks and events

Result System::loadBankFile(const char* path, std::uint32_t, Bank* bank)
{
  if (bank != nullptr)
    *bank = Bank();
  if (!initialized)
    return Result::ErrorNotInitialized;
  if (path == nullptr || bank == nullptr)
    return Result::ErrorInvalidParameter;
  const std::string filePath = path;
  for (const BankRecord& record : banks)
    if (record.alive && record.path == filePath)
      return Result::ErrorBankAlreadyLoaded;
  BankManifest manifest;
  bool missing = false;
  if (!BankManifest::Read(filePath, manifest, &missing))
  {
    // The reader has said why; the caller learns only whether the file was there at all (from the
    // reader: opening it again to look could wait on a pipe for good).
    return missing ? Result::ErrorFileNotFound : Result::ErrorFileBad;
  }
  std::uint32_t bankSlot = 0;
  while (bankSlot < banks.size() && banks[bankSlot].alive)
    ++bankSlot;
  if (bankSlot == banks.size())
    banks.emplace_back();
  BankRecord& record = banks[bankSlot];
  record.alive = true;
  record.path = filePath;
  record.descriptionSlots.clear();
  record.paths.clear();
  for (const EventDefinition& event : manifest.events)
  {
    if (descriptionsById.count(event.id) != 0)
    {
      LogError("Sound bank ", filePath, ": event id ", event.id, " is already loaded from another bank; skipped.");
      continue;
    }
    std::uint32_t slot = 0;
    while (slot < descriptions.size() && descriptions[slot].alive)
      ++slot;
    if (slot == descriptions.size())
      descriptions.emplace_back();
    DescriptionRecord& description = descriptions[slot];
    const std::uint32_t generation = description.generation;
    description = DescriptionRecord();
    description.generation = generation;
    description.alive = true;
    description.bank = bankSlot;
    description.definition = event;
    descriptionsById[event.id] = slot;
    record.descriptionSlots.push_back(slot);
    // An effect's sample is read now, once, rather than by the first start in the middle of play.
    // A streamed sample (music) is read by its first start; either is kept while its bank is.
    if (!event.stream)
      EnsureSample(description);
  }
  for (const auto& entry : manifest.strings)
    if (idsByPath.emplace(entry.first, entry.second).second)
      record.paths.push_back(entry.first);
  *bank = Bank(id, bankSlot, record.generation);
  return Result::Ok;
}

Result System::getEvent(const char* path, EventDescription* description)
{
  if (description != nullptr)
    *description = EventDescription();
  if (path == nullptr || description == nullptr)
    return Result::ErrorInvalidParameter;
  const auto named = idsByPath.find(path);
  if (named == idsByPath.end())
    return Result::ErrorEventNotFound;
  const auto found = descriptionsById.find(named->second);
  if (found == descriptionsById.end())
    return Result::ErrorEventNotFound;
  *description = EventDescription(id, found->second, descriptions[found->second].generation);
  return Result::Ok;
}

Result System::UnloadBank(std::uint32_t slot, std::uint32_t generation)
{
  BankRecord* bank = FindBank(slot, generation);
  if (bank == nullptr)
    return Result::ErrorInvalidHandle;
  for (std::uint32_t descriptionSlot : bank->descriptionSlots)
  {
    DescriptionRecord& description = descriptions[descriptionSlot];
    ReleaseAllInstances(descriptionSlot, description.generation);
    descriptionsById.erase(description.definition.id);
    description.alive = false;
    description.sample.reset();
    ++description.generation;
  }
  for (const std::string& path : bank->paths)
    idsByPath.erase(path);
  bank->alive = false;
  bank->descriptionSlots.clear();
  bank->paths.clear();
  ++bank->generation;
  return Result::Ok;
}

Result System::LoadSampleData(std::uint32_t slot, std::uint32_t generation)
{
  DescriptionRecord* description = FindDescription(slot, generation);
  if (description == nullptr)
    return Result::ErrorInvalidHandle;
  return EnsureSample(*description) ? Result::Ok : Result::ErrorFileBad;
}

bool System::EnsureSample(DescriptionRecord& description)
{
  if (description.sample)
    return true;
  if (description.sampleFailed)
    return false;
  auto sample = std::make_shared<SampleData>();
  std::string problem;
  if (!WaveFile::Read(description.definition.samplePath, *sample, problem))
  {
    LogError("Sound sample of event ", description.definition.id, ": ", problem, "; the event plays nothing.");
    description.sampleFailed = true;
    return false;
  }
  description.sample = std::move(sample);
  return true;
}

Result System::CreateInstance(std::uint32_t slot, std::uint32_t generation, EventInstance* instance)
{
  if (instance != nullptr)
    *instance = EventInstance();
  DescriptionRecord* description = FindDescription(slot, generation);
  if (description == nullptr)
    return Result::ErrorInvalidHandle;
  if (instance == nullptr)
    return Result::ErrorInvalidParameter;
  std::uint32_t instanceSlot;
  if (!freeInstanceSlots.empty())
  {
    instanceSlot = freeInstanceSlots.back();
    freeInstanceSlots.pop_back();
  }
  else
  {
    instanceSlot = static_cast<std::uint32_t>(instances.size());
    instances.emplace_back();
  }
  InstanceRecord& record = instances[instanceSlot];
  const std::uint32_t instanceGeneration = record.generation;
  record = InstanceRecord();
  record.generation = instanceGeneration;
  record.alive = true;
  record.description = slot;
  ++description->instanceCount;
  *instance = EventInstance(id, instanceSlot, instanceGeneration);
  return Result::Ok;
}

Result System::ReleaseAllInstances(std::uint32_t slot, std::uint32_t generation)
{
  if (FindDescription(slot, generation) == nullptr)
    return Result::ErrorInvalidHandle;
  for (std::uint32_t instanceSlot = 0; instanceSlot < instances.size(); ++instanceSlot)
    if (instances[instanceSlot].alive && instances[instanceSlot].description == slot)
      DestroyInstance(instanceSlot);
  return Result::Ok;
}

// ---------------------------------------------------------------------------------------------
// Instances

System::InstanceRecord* System::FindInstance(std::uint32_t slot, std::uint32_t generation)
{
  if (slot >= instances.size() || !instances[slot].alive || instances[slot].generation != generation)
    return nullptr;
  return &instances[slot];
}

System::DescriptionRecord* System::FindDescription(std::uint32_t slot, std::uint32_t generation)
{
  if (slot >= descriptions.size() || !descriptions[slot].alive || descriptions[slot].generation != generation)
    return nullptr;
  return &descriptions[slot];
}

System::BankRecord* System::FindBank(std::uint32_t slot, std::uint32_t generation)
{
  if (slot >= banks.size() || !banks[slot].alive || banks[slot].generation != generation)
    return nullptr;
  return &banks[slot];
}

float System::GainOf(const DescriptionRecord& description, const InstanceRecord& instance) const
{
  return std::clamp(instance.volume * description.definition.volume, 0.0f, MaximumGain);
}

VoiceSettings System::SettingsFor(const DescriptionRecord& description, const InstanceRecord& instance) const
{
  const EventDefinition& event = description.definition;
  const int rate = description.sample->sampleRate;
  VoiceSettings settings;
  settings.sample = description.sample.get();
  settings.loop = event.loop;
  settings.loopStart = FramesOf(event.loopStart, rate);
  settings.loopEnd = FramesOf(event.loopEnd, rate);
  settings.sustain = event.hasSustain;
  settings.sustainStart = FramesOf(event.sustainStart, rate);
  settings.sustainEnd = FramesOf(event.sustainEnd, rate);
  settings.fadeOutFrames = FramesOf(event.fadeOut, mixer->OutputRate());
  settings.gain = GainOf(description, instance);
  settings.pitch = instance.pitch;
  return settings;
}

void System::FreeVoice(InstanceRecord& instance)
{
  if (instance.voice == Mixer::NoVoice)
    return;
  AudioDeviceLock lock(device);
  mixer->Free(instance.voice);
  instance.voice = Mixer::NoVoice;
}

void System::DestroyInstance(std::uint32_t slot)
{
  InstanceRecord& instance = instances[slot];
  FreeVoice(instance);
  DescriptionRecord& description = descriptions[instance.description];
  --description.instanceCount;
  instance.alive = false;
  ++instance.generation;
  freeInstanceSlots.push_back(slot);
}

Result System::StartInstance(std::uint32_t slot, std::uint32_t generation)
{
  InstanceRecord* instance = FindInstance(slot, generation);
  if (instance == nullptr)
    return Result::ErrorInvalidHandle;
  FreeVoice(*instance);
  instance->state = PlaybackState::Playing;
  DescriptionRecord& description = descriptions[instance->description];
  // An event whose sample cannot be had plays nothing and reads as stopped after the next update.
  if (!EnsureSample(description))
    return Result::Ok;
  AudioDeviceLock lock(device);
  instance->voice = mixer->Start(SettingsFor(description, *instance));
  if (instance->voice != Mixer::NoVoice && instance->paused)
    mixer->SetPaused(instance->voice, true);
  return Result::Ok;
}

Result System::StopInstance(std::uint32_t slot, std::uint32_t generation, StopMode mode)
{
  InstanceRecord* instance = FindInstance(slot, generation);
  if (instance == nullptr)
    return Result::ErrorInvalidHandle;
  if (instance->state == PlaybackState::Stopped)
    return Result::Ok;
  if (mode == StopMode::AllowFadeOut && instance->voice != Mixer::NoVoice)
  {
    AudioDeviceLock lock(device);
    mixer->FadeOut(instance->voice);
    if (mixer->IsFadingOut(instance->voice))
    {
      instance->state = PlaybackState::Stopping;
      return Result::Ok;
    }
  }
  FreeVoice(*instance);
  instance->state = PlaybackState::Stopped;
  return Result::Ok;
}

Result System::PauseInstance(std::uint32_t slot, std::uint32_t generation, bool paused)
{
  InstanceRecord* instance = FindInstance(slot, generation);
  if (instance == nullptr)
    return Result::ErrorInvalidHandle;
  instance->paused = paused;
  AudioDeviceLock lock(device);
  mixer->SetPaused(instance->voice, paused);
  return Result::Ok;
}

Result System::SetInstanceVolume(std::uint32_t slot, std::uint32_t generation, float volume)
{
  InstanceRecord* instance = FindInstance(slot, generation);
  if (instance == nullptr)
    return Result::ErrorInvalidHandle;
  if (!std::isfinite(volume))
    return Result::ErrorInvalidParameter;
  instance->volume = volume;
  AudioDeviceLock lock(device);
  mixer->SetGain(instance->voice, GainOf(descriptions[instance->description], *instance));
  return Result::Ok;
}

Result System::SetInstancePitch(std::uint32_t slot, std::uint32_t generation, float pitch)
{
  InstanceRecord* instance = FindInstance(slot, generation);
  if (instance == nullptr)
    return Result::ErrorInvalidHandle;
  if (!std::isfinite(pitch) || pitch <= 0.0f)
    return Result::ErrorInvalidParameter;
  instance->pitch = std::clamp(pitch, MinimumPitch, MaximumPitch);
  AudioDeviceLock lock(device);
  mixer->SetPitch(instance->voice, instance->pitch);
  return Result::Ok;
}

Result System::TriggerInstanceCue(std::uint32_t slot, std::uint32_t generation)
{
  InstanceRecord* instance = FindInstance(slot, generation);
  if (instance == nullptr)
    return Result::ErrorInvalidHandle;
  AudioDeviceLock lock(device);
  mixer->ReleaseSustain(instance->voice);
  if (instance->state == PlaybackState::Sustaining)
    instance->state = PlaybackState::Playing;
  return Result::Ok;
}

Result System::ReleaseInstance(std::uint32_t slot, std::uint32_t generation)
{
  InstanceRecord* instance = FindInstance(slot, generation);
  if (instance == nullptr)
    return Result::ErrorInvalidHandle;
  instance->released = true;
  return Result::Ok;
}

// ---------------------------------------------------------------------------------------------
// The frame's update

void System::AdvanceSilently()
{
  const std::int64_t now = silentClock();
  std::int64_t elapsed = now - lastSilentTime;
  lastSilentTime = now;
  if (elapsed <= 0)
    return;
  elapsed = std::min(elapsed, MaximumSilentStepMicroseconds);
  silentRemainder += elapsed * mixer->OutputRate();
  int frames = static_cast<int>(silentRemainder / 1000000);
  silentRemainder %= 1000000;
  constexpr int Chunk = 1024;
  silentBuffer.resize(static_cast<std::size_t>(Chunk) * mixer->OutputChannels());
  while (frames > 0)
  {
    const int step = std::min(frames, Chunk);
    mixer->Mix(silentBuffer.data(), step);
    frames -= step;
  }
}

Result System::update()
{
  if (!initialized)
    return Result::ErrorNotInitialized;
  if (!device.IsOpen())
    AdvanceSilently();
  {
    AudioDeviceLock lock(device);
    for (InstanceRecord& instance : instances)
    {
      if (!instance.alive || instance.state == PlaybackState::Stopped)
        continue;
      if (instance.voice == Mixer::NoVoice || mixer->HasEnded(instance.voice))
      {
        if (instance.voice != Mixer::NoVoice)
          mixer->Free(instance.voice);
        instance.voice = Mixer::NoVoice;
        instance.state = PlaybackState::Stopped;
      }
      else if (mixer->IsFadingOut(instance.voice))
        instance.state = PlaybackState::Stopping;
      else
        instance.state = mixer->IsSustaining(instance.voice) ? PlaybackState::Sustaining : PlaybackState::Playing;
    }
  }
  for (std::uint32_t slot = 0; slot < instances.size(); ++slot)
    if (instances[slot].alive && instances[slot].released && instances[slot].state == PlaybackState::Stopped)
      DestroyInstance(slot);
  return Result::Ok;
}
}  // namespace Studio
