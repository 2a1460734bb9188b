#pragma once
// The software mixer: a fixed set of voices, each reading one sample with its own gain, pitch,
// loop region, sustain loop and fade-out, summed into interleaved float frames.
//
// The mixer does no locking. Its owner calls every function with the audio device locked (the
// device's callback holds that lock while it runs Mix), so the main thread and the audio thread
// never touch a voice at the same time. Voice indices stay with their voice until Free.
#include "audio/studio/SampleData.h"
#include "platform/AudioDevice.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace Studio
{
struct VoiceSettings
{
  const SampleData* sample = nullptr;  // must outlive the voice
  bool loop = false;                   // loop [loopStart, loopEnd) for ever
  std::size_t loopStart = 0;
  std::size_t loopEnd = 0;             // frames; 0 means the sample's end
  bool sustain = false;                // loop [sustainStart, sustainEnd) until ReleaseSustain
  std::size_t sustainStart = 0;
  std::size_t sustainEnd = 0;
  std::size_t fadeOutFrames = 0;       // length of FadeOut, in output frames
  float gain = 1.0f;
  float pitch = 1.0f;
};

class Mixer final : public AudioSource
{
public:
  static constexpr int NoVoice = -1;
  // Gain changes glide over this many output frames so that a volume step does not click.
  static constexpr int GainRampFrames = 64;

  Mixer(int outputRate, int outputChannels, int voiceCapacity);

  // A new voice playing from the sample's start, or NoVoice when every voice is taken or the
  // settings name no sample.
  int Start(const VoiceSettings& settings);
  void Stop(int voice);     // silent at once; the voice has ended
  void FadeOut(int voice);  // fades over the voice's fade-out length, then ends; Stop when none
  void SetGain(int voice, float gain);
  void SetPitch(int voice, float pitch);
  void SetPaused(int voice, bool paused);
  void ReleaseSustain(int voice);  // leave the sustain loop and play on to the tail
  bool HasEnded(int voice) const;
  bool IsSustaining(int voice) const;  // inside the sustain loop, not yet released
  bool IsFadingOut(int voice) const;
  void Free(int voice);                // the slot may be handed out again

  // Writes frames interleaved frames of the mix (silence when nothing plays).
  void Mix(float* output, int frames) override;

  int OutputRate() const { return outputRate; }
  int OutputChannels() const { return outputChannels; }
  int Capacity() const { return static_cast<int>(voices.size()); }
  int VoicesInUse() const { return static_cast<int>(voices.size() - freeVoices.size()); }

private:
  struct Voice
  {
    VoiceSettings settings;
    std::uint64_t position = 0;  // frames into the sample, 32.32 fixed point
    std::uint64_t step = 0;      // position advance per output frame
    float gain = 1.0f;
    float targetGain = 1.0f;
    float gainStep = 0.0f;
    int rampLeft = 0;
    std::size_t fadeLeft = 0;
    bool fading = false;
    bool paused = false;
    bool sustainHeld = false;
    bool ended = false;
    bool inUse = false;
  };

  bool Valid(int voice) const { return voice >= 0 && voice < static_cast<int>(voices.size()) && voices[voice].inUse; }
  std::uint64_t StepFor(const SampleData& sample, float pitch) const;
  void MixVoice(Voice& voice, float* output, int frames);
  void RemoveFromPlaying(int voice);

  int outputRate;
  int outputChannels;
  std::vector<Voice> voices;
  std::vector<int> freeVoices;
  std::vector<int> playing;  // voices that have neither ended nor been freed
};
}  // namespace Studio
