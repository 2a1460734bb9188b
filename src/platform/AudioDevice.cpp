#include "platform/AudioDevice.h"


#include <SDL2/SDL.h>

#include <cstring>

namespace Studio
{
AudioDevice::~AudioDevice() { Close(); }

bool AudioDevice::Open(int requestedRate, int requestedChannels, std::string& problem)
{
  Close();
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
  {
    problem = SDL_GetError();
    return false;
  }
  subsystemStarted = true;
  SDL_AudioSpec wanted;
  SDL_zero(wanted);
  wanted.freq = requestedRate;
  wanted.format = AUDIO_F32SYS;
  wanted.channels = static_cast<Uint8>(requestedChannels);
  wanted.samples = 1024;
  wanted.callback = &AudioDevice::Callback;
  wanted.userdata = this;
  SDL_AudioSpec obtained;
  SDL_zero(obtained);
  // SDL converts the float mix to whatever sample format the card takes; rate and channel count
  // follow the card so that 5.1 falls back to what it has.
  const SDL_AudioDeviceID id = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained,
                                                   SDL_AUDIO_ALLOW_FREQUENCY_CHANGE | SDL_AUDIO_ALLOW_CHANNELS_CHANGE);
  if (id == 0)
  {
    problem = SDL_GetError();
    Close();
    return false;
  }
  deviceId = id;
  rate = obtained.freq;
  channels = obtained.channels;
  return true;
}

void AudioDevice::Start(AudioSource* mixer)
{
  if (deviceId == 0)
    return;
  Lock();
  source = mixer;
  Unlock();
  SDL_PauseAudioDevice(deviceId, 0);
}

void AudioDevice::Close()
{
  if (deviceId != 0)
  {
    SDL_CloseAudioDevice(deviceId);  // waits for a running callback
    deviceId = 0;
  }
  source = nullptr;
  if (subsystemStarted)
  {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    subsystemStarted = false;
  }
}

void AudioDevice::Lock()
{
  if (deviceId != 0)
    SDL_LockAudioDevice(deviceId);
}

void AudioDevice::Unlock()
{
  if (deviceId != 0)
    SDL_UnlockAudioDevice(deviceId);
}

void AudioDevice::Callback(void* self, std::uint8_t* stream, int length)
{
  auto* device = static_cast<AudioDevice*>(self);
  const int frameBytes = static_cast<int>(sizeof(float)) * (device->channels > 0 ? device->channels : 1);
  if (device->source == nullptr)
  {
    std::memset(stream, 0, static_cast<std::size_t>(length));
    return;
  }
  device->source->Mix(reinterpret_cast<float*>(stream), length / frameBytes);
}
}  // namespace Studio
