#include "audio/studio/Mixer.h"

#include <algorithm>

namespace Studio
{
namespace
{
constexpr int FractionBits = 32;
constexpr std::uint64_t FractionMask = (std::uint64_t(1) << FractionBits) - 1;
constexpr float FractionScale = 1.0f / 4294967296.0f;

std::uint64_t Fixed(std::size_t frame) { return static_cast<std::uint64_t>(frame) << FractionBits; }

// Moves a position that has run past a region's end back into the region, by whole region
// lengths, so a pitch high enough to jump several lengths in one step still lands inside.
std::uint64_t WrapInto(std::uint64_t position, std::size_t start, std::size_t end)
{
  const std::uint64_t base = Fixed(start);
  const std::uint64_t length = Fixed(end - start);
  return base + (position - base) % length;
}
}  // namespace

Mixer::Mixer(int rate, int channels, int voiceCapacity)
    : outputRate(rate > 0 ? rate : 48000), outputChannels(channels > 0 ? channels : 2)
{
  voices.resize(static_cast<std::size_t>(std::max(voiceCapacity, 1)));
  freeVoices.reserve(voices.size());
  for (int index = static_cast<int>(voices.size()) - 1; index >= 0; --index)
    freeVoices.push_back(index);
  playing.reserve(voices.size());
}

std::uint64_t Mixer::StepFor(const SampleData& sample, float pitch) const
{
  const double step = static_cast<double>(pitch) * sample.sampleRate / outputRate * 4294967296.0;
  return step < 1.0 ? 1 : static_cast<std::uint64_t>(step);
}

int Mixer::Start(const VoiceSettings& settings)
{
  if (freeVoices.empty() || settings.sample == nullptr || settings.sample->sampleRate <= 0)
    return NoVoice;
  const int index = freeVoices.back();
  freeVoices.pop_back();
  Voice& voice = voices[index];
  voice = Voice();
  voice.settings = settings;
  const std::size_t frames = settings.sample->FrameCount();
  // Regions are clipped to the sample; one that is empty after clipping plays straight through.
  VoiceSettings& kept = voice.settings;
  if (kept.loopEnd == 0 || kept.loopEnd > frames)
    kept.loopEnd = frames;
  kept.loop = kept.loop && kept.loopStart < kept.loopEnd;
  kept.sustainEnd = std::min(kept.sustainEnd, frames);
  kept.sustain = kept.sustain && kept.sustainStart < kept.sustainEnd;
  voice.sustainHeld = kept.sustain;
  voice.step = StepFor(*settings.sample, settings.pitch);
  voice.gain = voice.targetGain = settings.gain;
  voice.inUse = true;
  voice.ended = frames == 0;
  if (!voice.ended)
    playing.push_back(index);
  return index;
}

void Mixer::RemoveFromPlaying(int voice)
{
  auto found = std::find(playing.begin(), playing.end(), voice);
  if (found != playing.end())
  {
    *found = playing.back();
    playing.pop_back();
  }
}

void Mixer::Stop(int voice)
{
  if (!Valid(voice) || voices[voice].ended)
    return;
  voices[voice].ended = true;
  RemoveFromPlaying(voice);
}

void Mixer::FadeOut(int voice)
{
  if (!Valid(voice) || voices[voice].ended || voices[voice].fading)
    return;
  Voice& target = voices[voice];
  if (target.settings.fadeOutFrames == 0 || target.paused)
  {
    Stop(voice);
    return;
  }
  target.fading = true;
  target.fadeLeft = target.settings.fadeOutFrames;
}

void Mixer::SetGain(int voice, float gain)
{
  if (!Valid(voice))
    return;
  Voice& target = voices[voice];
  target.targetGain = gain;
  target.rampLeft = GainRampFrames;
  target.gainStep = (gain - target.gain) / GainRampFrames;
}

void Mixer::SetPitch(int voice, float pitch)
{
  if (!Valid(voice))
    return;
  voices[voice].settings.pitch = pitch;
  voices[voice].step = StepFor(*voices[voice].settings.sample, pitch);
}

void Mixer::SetPaused(int voice, bool paused)
{
  if (Valid(voice))
    voices[voice].paused = paused;
}

void Mixer::ReleaseSustain(int voice)
{
  if (Valid(voice))
    voices[voice].sustainHeld = false;
}

bool Mixer::HasEnded(int voice) const { return !Valid(voice) || voices[voice].ended; }

bool Mixer::IsSustaining(int voice) const
{
  return Valid(voice) && voices[voice].sustainHeld && !voices[voice].ended &&
         (voices[voice].position >> FractionBits) >= voices[voice].settings.sustainStart;
}

bool Mixer::IsFadingOut(int voice) const { return Valid(voice) && voices[voice].fading && !voices[voice].ended; }

void Mixer::Free(int voice)
{
  if (!Valid(voice))
    return;
  RemoveFromPlaying(voice);
  voices[voice].inUse = false;
  voices[voice].settings.sample = nullptr;
  freeVoices.push_back(voice);
}

void Mixer::Mix(float* output, int frames)
{
  if (output == nullptr || frames <= 0)
    return;
  const std::size_t values = static_cast<std::size_t>(frames) * outputChannels;
  std::fill(output, output + values, 0.0f);
  for (std::size_t slot = 0; slot < playing.size();)
  {
    Voice& voice = voices[playing[slot]];
    if (!voice.paused)
      MixVoice(voice, output, frames);
    if (voice.ended)
    {
      playing[slot] = playing.back();
      playing.pop_back();
    }
    else
      ++slot;
  }
  for (std::size_t index = 0; index < values; ++index)
    output[index] = std::clamp(output[index], -1.0f, 1.0f);
}

void Mixer::MixVoice(Voice& voice, float* output, int frames)
{
  const SampleData& sample = *voice.settings.sample;
  const float* data = sample.samples.data();
  const std::size_t sourceChannels = static_cast<std::size_t>(sample.channels);
  const std::size_t frameCount = sample.FrameCount();
  const VoiceSettings& settings = voice.settings;
  const int channels = outputChannels;
  float* out = output;
  for (int frame = 0; frame < frames; ++frame, out += channels)
  {
    // Positions are wrapped as soon as they advance, so a voice is always inside the region it
    // loops in: releasing the sustain then plays on from where the listener is.
    const std::size_t index = static_cast<std::size_t>(voice.position >> FractionBits);
    const bool inSustain = voice.sustainHeld;
    const bool looping = !inSustain && settings.loop;
    if (index >= frameCount)
    {
      voice.ended = true;
      return;
    }
    // The neighbour for interpolation follows the region the voice is looping in.
    std::size_t next = index + 1;
    if (inSustain && next >= settings.sustainEnd)
      next = settings.sustainStart;
    else if (looping && next >= settings.loopEnd)
      next = settings.loopStart;
    else if (next >= frameCount)
      next = index;

    if (voice.rampLeft > 0)
    {
      voice.gain += voice.gainStep;
      if (--voice.rampLeft == 0)
        voice.gain = voice.targetGain;
    }
    float gain = voice.gain;
    if (voice.fading)
    {
      if (voice.fadeLeft == 0)
      {
        voice.ended = true;
        return;
      }
      gain *= static_cast<float>(voice.fadeLeft) / static_cast<float>(settings.fadeOutFrames);
      --voice.fadeLeft;
    }

    const float fraction = static_cast<float>(voice.position & FractionMask) * FractionScale;
    const float* here = data + index * sourceChannels;
    const float* there = data + next * sourceChannels;
    const float left = (here[0] + (there[0] - here[0]) * fraction) * gain;
    const float right = sourceChannels > 1 ? (here[1] + (there[1] - here[1]) * fraction) * gain : left;
    if (channels == 1)
      out[0] += 0.5f * (left + right);
    else
    {
      out[0] += left;
      out[1] += right;
    }
    voice.position += voice.step;
    const std::size_t reached = static_cast<std::size_t>(voice.position >> FractionBits);
    if (inSustain && reached >= settings.sustainEnd)
      voice.position = WrapInto(voice.position, settings.sustainStart, settings.sustainEnd);
    else if (looping && reached >= settings.loopEnd)
      voice.position = WrapInto(voice.position, settings.loopStart, settings.loopEnd);
  }
}
}  // namespace Studio
