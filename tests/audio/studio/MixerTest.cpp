#include "audio/studio/Mixer.h"

#include "AudioTestSignals.h"

#include <gtest/gtest.h>

using namespace Studio;
using AudioTestSignals::LastAudibleFrame;
using AudioTestSignals::Loudness;

namespace
{
// A constant signal makes lengths and gains exact to read back.
SampleData Constant(int frames, float value = 0.5f, int rate = 1000)
{
  SampleData sample;
  sample.sampleRate = rate;
  sample.channels = 1;
  sample.samples.assign(static_cast<std::size_t>(frames), value);
  return sample;
}

std::vector<float> Render(Mixer& mixer, int frames)
{
  std::vector<float> out(static_cast<std::size_t>(frames) * mixer.OutputChannels());
  mixer.Mix(out.data(), frames);
  return out;
}
}  // namespace

TEST(AudioMixerTest, StartedVoiceIsHeardOnEveryChannelAndStoppedVoiceIsSilent)
{
  Mixer mixer(1000, 2, 8);
  const SampleData sample = Constant(500);
  VoiceSettings settings;
  settings.sample = &sample;
  const int voice = mixer.Start(settings);
  ASSERT_NE(voice, Mixer::NoVoice);
  const std::vector<float> heard = Render(mixer, 100);
  EXPECT_FLOAT_EQ(heard[0], 0.5f);
  EXPECT_FLOAT_EQ(heard[1], 0.5f);
  mixer.Stop(voice);
  EXPECT_TRUE(mixer.HasEnded(voice));
  EXPECT_EQ(Loudness(Render(mixer, 100)), 0.0);
}

TEST(AudioMixerTest, SampleRateIsConvertedToTheOutputRate)
{
  Mixer mixer(2000, 1, 4);
  const SampleData sample = Constant(400, 0.5f, 1000);  // 0.4 s
  VoiceSettings settings;
  settings.sample = &sample;
  mixer.Start(settings);
  EXPECT_NEAR(LastAudibleFrame(Render(mixer, 2000), 1) + 1, 800, 1);
}

TEST(AudioMixerTest, LoopRunsForEverAndFadeOutEndsIt)
{
  Mixer mixer(1000, 1, 4);
  const SampleData sample = Constant(50);
  VoiceSettings settings;
  settings.sample = &sample;
  settings.loop = true;
  settings.fadeOutFrames = 100;
  const int voice = mixer.Start(settings);
  EXPECT_EQ(LastAudibleFrame(Render(mixer, 3000), 1), 2999);
  mixer.FadeOut(voice);
  EXPECT_TRUE(mixer.IsFadingOut(voice));
  const std::vector<float> fading = Render(mixer, 500);
  EXPECT_LT(fading[90], fading[10]);
  EXPECT_NEAR(LastAudibleFrame(fading, 1) + 1, 100, 2);
  EXPECT_TRUE(mixer.HasEnded(voice));
}

TEST(AudioMixerTest, HighPitchInATinyLoopStaysInsideTheSample)
{
  Mixer mixer(1000, 1, 4);
  SampleData sample = Constant(10);
  VoiceSettings settings;
  settings.sample = &sample;
  settings.loop = true;
  settings.loopStart = 8;
  settings.loopEnd = 9;
  settings.pitch = 16.0f;
  const int voice = mixer.Start(settings);
  EXPECT_GT(Loudness(Render(mixer, 500)), 0.4);
  EXPECT_FALSE(mixer.HasEnded(voice));
}

TEST(AudioMixerTest, GainPausesAndCapacity)
{
  Mixer mixer(1000, 2, 2);
  const SampleData sample = Constant(5000);
  VoiceSettings settings;
  settings.sample = &sample;
  const int first = mixer.Start(settings);
  const int second = mixer.Start(settings);
  EXPECT_EQ(mixer.Start(settings), Mixer::NoVoice);  // all voices taken
  std::vector<float> both = Render(mixer, 10);
  EXPECT_FLOAT_EQ(both[0], 1.0f);  // two voices of 0.5 add up
  mixer.SetPaused(second, true);
  mixer.SetGain(first, 0.0f);
  std::vector<float> ramped = Render(mixer, Mixer::GainRampFrames + 10);
  EXPECT_GT(ramped[0], 0.0f);  // glides rather than jumps
  EXPECT_FLOAT_EQ(ramped[(Mixer::GainRampFrames + 5) * 2], 0.0f);
  mixer.Free(first);
  EXPECT_NE(mixer.Start(settings), Mixer::NoVoice);  // a freed voice is handed out again
}

TEST(AudioMixerTest, LoudMixIsClippedAndEmptySampleEndsAtOnce)
{
  Mixer mixer(1000, 1, 8);
  const SampleData loud = Constant(100, 1.0f);
  VoiceSettings settings;
  settings.sample = &loud;
  for (int count = 0; count < 4; ++count)
    mixer.Start(settings);
  EXPECT_FLOAT_EQ(Render(mixer, 10)[0], 1.0f);
  const SampleData empty = Constant(0);
  settings.sample = &empty;
  EXPECT_TRUE(mixer.HasEnded(mixer.Start(settings)));
}
