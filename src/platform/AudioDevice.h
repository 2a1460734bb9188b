#pragma once
// The sound card behind a handful of functions: open SDL's default output device in float
// format, run a mixer (any AudioSource) from its callback, lock it against the callback, close it. When there is
// no device (no driver, no server, a test) nothing is opened and the owner mixes by itself.
#include <cstdint>
#include <string>

namespace Studio
{
// What the device's callback plays: the sound layer's mixer.
class AudioSource
{
public:
  // Fills `frames` interleaved float frames of the device's channel count.
  virtual void Mix(float* output, int frames) = 0;

protected:
  ~AudioSource() = default;
};

class AudioDevice
{
public:
  AudioDevice() = default;
  ~AudioDevice();
  AudioDevice(const AudioDevice&) = delete;
  AudioDevice& operator=(const AudioDevice&) = delete;

  // Opens the device paused, asking for the rate and channel count; the device may give others
  // (Rate, Channels). Returns false with the reason when there is no usable device.
  bool Open(int requestedRate, int requestedChannels, std::string& problem);
  // Starts the callback mixing from the source, which must outlive the device's opening.
  void Start(AudioSource* mixer);
  void Close();

  bool IsOpen() const { return deviceId != 0; }
  int Rate() const { return rate; }
  int Channels() const { return channels; }

  void Lock();
  void Unlock();

private:
  static void Callback(void* self, std::uint8_t* stream, int length);

  std::uint32_t deviceId = 0;
  bool subsystemStarted = false;
  int rate = 0;
  int channels = 0;
  AudioSource* source = nullptr;
};

// Holds the device's lock for a scope.
class AudioDeviceLock
{
public:
  explicit AudioDeviceLock(AudioDevice& lockedDevice) : device(lockedDevice) { device.Lock(); }
  ~AudioDeviceLock() { device.Unlock(); }
  AudioDeviceLock(const AudioDeviceLock&) = delete;
  AudioDeviceLock& operator=(const AudioDeviceLock&) = delete;

private:
  AudioDevice& device;
};
}  // namespace Studio
