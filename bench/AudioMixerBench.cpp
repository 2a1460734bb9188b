// What the software mixer costs. Each run mixes one device buffer (1,024 frames at 48 kHz into
// 5.1, as the game asks for) with N looping voices at assorted pitches. The counter
// "real_time_share" is the time spent mixing divided by the time the mixed audio lasts: 0.01
// means the mixer takes 1% of one core. "ratio_to_silence" compares against an empty mix in the
// same run.
#include "audio/studio/Mixer.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <vector>

namespace
{
constexpr int OutputRate = 48000;
constexpr int OutputChannels = 6;
constexpr int BufferFrames = 1024;

Studio::SampleData MakeSample(int rate, int channels, double seconds, unsigned seed)
{
  Studio::SampleData sample;
  sample.sampleRate = rate;
  sample.channels = channels;
  const std::size_t values = static_cast<std::size_t>(rate * seconds) * channels;
  sample.samples.resize(values);
  unsigned state = seed;
  for (float& value : sample.samples)
  {
    state = state * 1664525u + 1013904223u;
    value = static_cast<float>(state >> 8) / 8388608.0f - 1.0f;
  }
  return sample;
}

// Seconds one empty buffer takes to mix, measured once per process.
double SilentBufferSeconds()
{
  static const double seconds = [] {
    Studio::Mixer mixer(OutputRate, OutputChannels, 1);
    std::vector<float> out(static_cast<std::size_t>(BufferFrames) * OutputChannels);
    const int rounds = 20000;
    const auto begin = std::chrono::steady_clock::now();
    for (int round = 0; round < rounds; ++round)
    {
      mixer.Mix(out.data(), BufferFrames);
      benchmark::DoNotOptimize(out.data());
    }
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count() / rounds;
  }();
  return seconds;
}

void MixVoices(benchmark::State& state)
{
  const int voiceCount = static_cast<int>(state.range(0));
  const Studio::SampleData effect = MakeSample(22050, 1, 1.0, 7);
  const Studio::SampleData music = MakeSample(16000, 2, 2.0, 11);
  Studio::Mixer mixer(OutputRate, OutputChannels, 1024);
  for (int index = 0; index < voiceCount; ++index)
  {
    Studio::VoiceSettings settings;
    settings.sample = index % 4 == 0 ? &music : &effect;
    settings.loop = true;
    settings.pitch = 0.8f + 0.4f * static_cast<float>(index % 9) / 8.0f;
    settings.gain = 0.05f;
    mixer.Start(settings);
  }
  std::vector<float> out(static_cast<std::size_t>(BufferFrames) * OutputChannels);
  const double silent = SilentBufferSeconds();
  double mixing = 0.0;
  for (auto _ : state)
  {
    const auto begin = std::chrono::steady_clock::now();
    mixer.Mix(out.data(), BufferFrames);
    benchmark::DoNotOptimize(out.data());
    benchmark::ClobberMemory();
    const double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
    state.SetIterationTime(elapsed);
    mixing += elapsed;
  }
  const double iterations = static_cast<double>(state.iterations());
  const double audioSeconds = static_cast<double>(BufferFrames) / OutputRate;
  state.counters["real_time_share"] = mixing / (audioSeconds * iterations);
  state.counters["ratio_to_silence"] = mixing / (silent * iterations);
  state.counters["voices"] = voiceCount;
}
}  // namespace

BENCHMARK(MixVoices)->Arg(0)->Arg(64)->Arg(256)->UseManualTime()->Unit(benchmark::kMicrosecond);
