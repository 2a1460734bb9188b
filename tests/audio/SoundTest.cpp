#include "audio/Sound.h"

#include "SoundTestEnvironment.h"
#include "platform/Random.h"

using SoundTest = SoundTestEnvironment;

namespace
{
float PitchOf(const EventInstance& instance)
{
  float pitch = 0.0f;
  instance.getPitch(&pitch);
  return pitch;
}
}  // namespace

TEST_F(SoundTest, PitchOneNeverTakesTheRandomOffset)
{
  Sound sound;
  sound.SetEvent("event:/SFX/Dash");
  sound.GetRandomPitch() = true;
  sound.GetPitchStep() = 0.05f;
  for (int play = 0; play < 5; ++play)
  {
    sound.Play();
    EXPECT_EQ(PitchOf(sound.GetInstance()), 1.0f);
    Frame();
  }
}

TEST_F(SoundTest, RandomPitchUsesTheOffsetDrawnAtThePlayBefore)
{
  ResetRandom();
  Sound sound;
  sound.SetEvent("event:/SFX/PistolShoot");
  sound.GetPitch() = 1.2f;
  sound.GetPitchStep() = 0.05f;
  sound.GetRandomPitch() = true;
  sound.Play();
  EXPECT_FLOAT_EQ(PitchOf(sound.GetInstance()), 1.2f);
  ResetRandom();
  const float firstOffset = static_cast<float>(Random() % 10) * 0.05f;
  EXPECT_FLOAT_EQ(sound.GetPitchOffset(), firstOffset);
  Frame();
  sound.Play();
  EXPECT_FLOAT_EQ(PitchOf(sound.GetInstance()), 1.2f - firstOffset);
  for (int play = 0; play < 20; ++play)
  {
    Frame();
    sound.Play();
    const float steps = (1.2f - PitchOf(sound.GetInstance())) / 0.05f;
    EXPECT_NEAR(steps, std::round(steps), 1e-3);
    EXPECT_GE(steps, -1e-3f);
    EXPECT_LE(steps, 9.001f);
  }
}

TEST_F(SoundTest, SecondPlayInAFrameKeepsNull)
{
  Sound first;
  Sound second;
  first.Play();
  second.Play();
  EXPECT_TRUE(first.GetInstance().isValid());
  EXPECT_FALSE(second.GetInstance());
}

TEST_F(SoundTest, VolumeZeroSilencesOnlyPitchedPlays)
{
  Sound sound;
  sound.SetEvent("event:/SFX/Shield");
  sound.GetVolume() = 0.0f;
  sound.Play();
  float volume = -1.0f;
  sound.GetInstance().getVolume(&volume);
  EXPECT_EQ(volume, 1.0f);
  Frame();
  sound.GetPitch() = 1.1f;
  sound.Play();
  sound.GetInstance().getVolume(&volume);
  EXPECT_EQ(volume, 0.0f);
}

TEST_F(SoundTest, HeldSoundStartsOnceStopsAndEndsItsSustainOnCue)
{
  Sound thrust;
  thrust.SetEvent("event:/SFX/PropulsionNoise");
  thrust.Start();
  const EventInstance held = thrust.GetInstance();
  Frame();
  thrust.Start();  // already playing: the same instance goes on
  EXPECT_EQ(thrust.GetInstance(), held);
  EXPECT_TRUE(thrust.IsPlaying());
  for (int frame = 0; frame < 60; ++frame)
    Frame();  // a second: past the whole sample, held in the sustain loop
  EXPECT_EQ(StateOf(held), PlaybackState::Sustaining);
  thrust.TriggerCue();
  for (int frame = 0; frame < 60; ++frame)
    Frame();
  EXPECT_FALSE(held.isValid());  // played out its tail and went away

  thrust.Stop();
  EXPECT_FALSE(thrust.IsPlaying());
  thrust.Start();
  const EventInstance again = thrust.GetInstance();
  EXPECT_GT(Loudness(), 0.0);
  thrust.Stop();
  EXPECT_EQ(StateOf(again), PlaybackState::Stopped);
  EXPECT_EQ(Loudness(), 0.0);
}

TEST_F(SoundTest, DestroyingARecordCutsItsSoundAndACopyKeepsTheInstance)
{
  EventInstance kept;
  {
    Sound loop;
    loop.SetEvent("event:/Music/MenuMusic");
    loop.Start();
    kept = loop.GetInstance();
    Sound copy = loop;
    EXPECT_EQ(copy.GetInstance(), kept);
    EXPECT_TRUE(copy.IsPlaying());
    EXPECT_GT(Loudness(), 0.0);
  }
  EXPECT_EQ(StateOf(kept), PlaybackState::Stopped);
  EXPECT_EQ(Loudness(), 0.0);
  Frame();
  EXPECT_FALSE(kept.isValid());

  Sound late;
  late.Play();
  for (int frame = 0; frame < 30; ++frame)
    Frame();
  late.Stop();  // its instance ended long ago: harmless
  late.TriggerCue();
  EXPECT_EQ(asserts.Count(), 0u);
}

TEST(SoundWithoutSystemTest, DoesNothingWhenNoSoundSystemIsPublished)
{
  ASSERT_EQ(SoundSystem::Instance(), nullptr);
  Sound sound;
  sound.Play();
  sound.Start();
  sound.TriggerCue();
  sound.Stop();
  EXPECT_FALSE(sound.GetInstance());
}
