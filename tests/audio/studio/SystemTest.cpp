#include "audio/studio/System.h"

#include "AudioTestSignals.h"
#include "support/CapturedLog.h"
#include "support/TemporaryDirectory.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace Studio;
using AudioTestSignals::Loudness;

namespace
{
constexpr int Rate = 8000;

// A system with no device, its time stepped by hand, and a bank of three events:
//   event:/Tone    0.25 s one-shot        event:/Loop  0.1 s, looping, 0.05 s fade-out
//   event:/Held    0.3 s with a sustain loop from 0.1 to 0.2 s
class AudioSystemTest : public ::testing::Test
{
protected:
  void SetUp() override
  {
    System::SetHeadlessClock([this] { return now; });
    AudioTestSignals::WriteBytes(folder.File("tone.wav"), AudioTestSignals::ToneWave(Rate, Rate / 4));
    AudioTestSignals::WriteBytes(folder.File("short.wav"), AudioTestSignals::ToneWave(Rate, Rate / 10));
    AudioTestSignals::WriteBytes(folder.File("held.wav"), AudioTestSignals::ToneWave(Rate, Rate * 3 / 10));
    folder.Write("Master.bank", R"({ "format" : "corvane-sound-bank", "version" : 1, "events" : [
        { "id" : "t", "sample" : "tone.wav" },
        { "id" : "l", "sample" : "short.wav", "loop" : true, "fadeOut" : 0.05 },
        { "id" : "h", "sample" : "held.wav", "sustainStart" : 0.1, "sustainEnd" : 0.2 },
        { "id" : "m", "sample" : "missing.wav" } ] })");
    folder.Write("Master.strings.bank", R"({ "format" : "corvane-sound-bank", "version" : 1, "strings" : [
        { "path" : "event:/Tone", "id" : "t" }, { "path" : "event:/Loop", "id" : "l" },
        { "path" : "event:/Held", "id" : "h" }, { "path" : "event:/Missing", "id" : "m" } ] })");
    ASSERT_EQ(System::create(&system), Result::Ok);
    LowLevelSystem* lowLevel = nullptr;
    ASSERT_EQ(system->getLowLevelSystem(&lowLevel), Result::Ok);
    ASSERT_EQ(lowLevel->setSoftwareFormat(Rate, SpeakerMode::Stereo, 0), Result::Ok);
    ASSERT_EQ(system->initialize(1024, InitNormal, InitNormal, nullptr), Result::Ok);
    ASSERT_EQ(system->loadBankFile(folder.File("Master.bank").c_str(), LoadBankNormal, &master), Result::Ok);
    ASSERT_EQ(system->loadBankFile(folder.File("Master.strings.bank").c_str(), LoadBankNormal, &strings), Result::Ok);
  }

  void TearDown() override
  {
    if (system != nullptr)
      system->release();
    System::SetHeadlessClock({});
  }

  EventInstance Start(const char* path)
  {
    EventDescription description;
    EXPECT_EQ(system->getEvent(path, &description), Result::Ok);
    EventInstance instance;
    EXPECT_EQ(description.createInstance(&instance), Result::Ok);
    EXPECT_EQ(instance.start(), Result::Ok);
    return instance;
  }

  std::vector<float> Render(double seconds)
  {
    std::vector<float> out(static_cast<std::size_t>(seconds * Rate) * 2);
    EXPECT_EQ(system->renderMix(out.data(), static_cast<int>(out.size() / 2)), Result::Ok);
    return out;
  }

  PlaybackState StateOf(const EventInstance& instance)
  {
    PlaybackState state = PlaybackState::Playing;
    EXPECT_EQ(instance.getPlaybackState(&state), Result::Ok);
    return state;
  }

  TemporaryDirectory folder;
  std::int64_t now = 0;
  System* system = nullptr;
  Bank master;
  Bank strings;
};
}  // namespace

TEST_F(AudioSystemTest, RunsWithoutADeviceInTheFormatAskedFor)
{
  EXPECT_FALSE(system->hasDevice());
  EXPECT_EQ(system->getOutputRate(), Rate);
  EXPECT_EQ(system->getOutputChannels(), 2);
  int count = 0;
  EXPECT_EQ(master.getEventCount(&count), Result::Ok);
  EXPECT_EQ(count, 4);
  EXPECT_EQ(system->initialize(16, InitNormal, InitNormal, nullptr), Result::ErrorAlreadyInitialized);
}

TEST_F(AudioSystemTest, StartedEventIsHeardAndStoppedEventIsSilent)
{
  EventInstance instance = Start("event:/Tone");
  EXPECT_EQ(StateOf(instance), PlaybackState::Playing);
  EXPECT_GT(Loudness(Render(0.05)), 0.3);
  EXPECT_EQ(instance.stop(StopMode::Immediate), Result::Ok);
  EXPECT_EQ(StateOf(instance), PlaybackState::Stopped);
  EXPECT_EQ(Loudness(Render(0.05)), 0.0);
}

TEST_F(AudioSystemTest, EventEndsByItselfAndAReleasedInstanceGoesAway)
{
  EventInstance instance = Start("event:/Tone");
  EXPECT_EQ(instance.release(), Result::Ok);
  system->update();
  EXPECT_TRUE(instance.isValid());  // released, but still playing
  const std::vector<float> heard = Render(0.5);
  EXPECT_NEAR(AudioTestSignals::LastAudibleFrame(heard, 2), Rate / 4, 2);
  system->update();
  EXPECT_FALSE(instance.isValid());
  EXPECT_EQ(system->getInstanceCount(), 0);
  // A stale handle is harmless: every call says so and nothing happens.
  PlaybackState state;
  EXPECT_EQ(instance.getPlaybackState(&state), Result::ErrorInvalidHandle);
  EXPECT_EQ(instance.stop(StopMode::Immediate), Result::ErrorInvalidHandle);
  EXPECT_EQ(instance.start(), Result::ErrorInvalidHandle);
  EXPECT_EQ(Loudness(Render(0.05)), 0.0);
}

TEST_F(AudioSystemTest, PitchChangesTheLength)
{
  EventInstance instance = Start("event:/Tone");
  EXPECT_EQ(instance.setPitch(2.0f), Result::Ok);
  EXPECT_NEAR(AudioTestSignals::LastAudibleFrame(Render(0.5), 2), Rate / 8, 2);
  // Pitch given before start applies from the first frame.
  EventDescription description;
  system->getEvent("event:/Tone", &description);
  EventInstance slow;
  description.createInstance(&slow);
  slow.setPitch(0.5f);
  slow.start();
  EXPECT_NEAR(AudioTestSignals::LastAudibleFrame(Render(1.0), 2), Rate / 2, 2);
}

TEST_F(AudioSystemTest, CueEndsTheSustainLoop)
{
  EventInstance instance = Start("event:/Held");
  EXPECT_GT(Loudness(Render(1.0), Rate * 2 - 200), 0.3);  // long past the sample's 0.3 s
  system->update();
  EXPECT_EQ(StateOf(instance), PlaybackState::Sustaining);
  EXPECT_EQ(instance.triggerCue(), Result::Ok);
  const std::vector<float> tail = Render(0.5);
  const long last = AudioTestSignals::LastAudibleFrame(tail, 2);
  EXPECT_GT(last, Rate / 10 - 5);  // the rest of the region, then the tail
  EXPECT_LT(last, Rate / 5 + 5);
  system->update();
  EXPECT_EQ(StateOf(instance), PlaybackState::Stopped);
}

TEST_F(AudioSystemTest, FadeOutStopsThroughStopping)
{
  EventInstance instance = Start("event:/Loop");
  Render(1.0);
  system->update();
  EXPECT_EQ(StateOf(instance), PlaybackState::Playing);  // the loop goes on
  EXPECT_EQ(instance.stop(StopMode::AllowFadeOut), Result::Ok);
  EXPECT_EQ(StateOf(instance), PlaybackState::Stopping);
  const std::vector<float> fade = Render(0.2);
  EXPECT_NEAR(AudioTestSignals::LastAudibleFrame(fade, 2), Rate / 20, 10);
  system->update();
  EXPECT_EQ(StateOf(instance), PlaybackState::Stopped);
}

TEST_F(AudioSystemTest, VolumePauseAndBadValues)
{
  EventInstance instance = Start("event:/Loop");
  const double full = Loudness(Render(0.05));
  instance.setVolume(0.5f);
  Render(0.05);
  EXPECT_NEAR(Loudness(Render(0.05)), full / 2, 0.01);
  EXPECT_EQ(instance.setVolume(std::nanf("")), Result::ErrorInvalidParameter);
  EXPECT_EQ(instance.setPitch(std::numeric_limits<float>::infinity()), Result::ErrorInvalidParameter);
  EXPECT_EQ(instance.setPitch(-1.0f), Result::ErrorInvalidParameter);
  float volume = 0.0f;
  float pitch = 0.0f;
  instance.getVolume(&volume);
  instance.getPitch(&pitch);
  EXPECT_EQ(volume, 0.5f);
  EXPECT_EQ(pitch, 1.0f);
  instance.setVolume(-0.0016f);  // a fade that overshoots zero is silence, not an error
  Render(0.05);
  EXPECT_EQ(Loudness(Render(0.05)), 0.0);
  instance.setVolume(1.0f);
  instance.setPaused(true);
  Render(0.05);
  EXPECT_EQ(Loudness(Render(0.05)), 0.0);
  instance.setPaused(false);
  EXPECT_GT(Loudness(Render(0.05)), 0.3);
}

TEST_F(AudioSystemTest, WithoutADeviceTimeStillPasses)
{
  EventInstance instance = Start("event:/Tone");
  now += 100000;  // 0.1 s
  system->update();
  EXPECT_EQ(StateOf(instance), PlaybackState::Playing);
  now += 200000;
  system->update();
  EXPECT_EQ(StateOf(instance), PlaybackState::Stopped);
}

TEST_F(AudioSystemTest, UnknownPathsMissingSamplesAndBadBanks)
{
  EventDescription description;
  EXPECT_EQ(system->getEvent("event:/Nothing", &description), Result::ErrorEventNotFound);
  EXPECT_FALSE(description);
  EventInstance none;
  EXPECT_EQ(description.createInstance(&none), Result::ErrorInvalidHandle);

  {
    // Samples are read as their bank loads, so a missing one is reported then, once; its event
    // plays nothing.
    CapturedLog output;
    folder.Write("gap.bank", R"({ "format" : "corvane-sound-bank", "version" : 1, "events" : [
        { "id" : "g", "sample" : "gone.wav" } ] })");
    Bank gap;
    ASSERT_EQ(system->loadBankFile(folder.File("gap.bank").c_str(), LoadBankNormal, &gap), Result::Ok);
    EXPECT_EQ(output.CountOf("[ERROR] Sound sample of event g"), 1u);
    EventInstance silent = Start("event:/Missing");
    EXPECT_EQ(output.CountOf("[ERROR]"), 1u);
    EXPECT_EQ(Loudness(Render(0.05)), 0.0);
    system->update();
    EXPECT_EQ(StateOf(silent), PlaybackState::Stopped);
  }
  {
    CapturedLog output;
    Bank bank;
    EXPECT_EQ(system->loadBankFile(folder.File("none.bank").c_str(), LoadBankNormal, &bank), Result::ErrorFileNotFound);
    EXPECT_TRUE(output.Contains("[ERROR]"));
    folder.Write("broken.bank", "{ \"format\" : ");
    EXPECT_EQ(system->loadBankFile(folder.File("broken.bank").c_str(), LoadBankNormal, &bank), Result::ErrorFileBad);
    folder.Write("other.bank", "{ \"format\" : \"something else\" }");
    EXPECT_EQ(system->loadBankFile(folder.File("other.bank").c_str(), LoadBankNormal, &bank), Result::ErrorFileBad);
    EXPECT_FALSE(bank);
    EXPECT_EQ(output.CountOf("[ERROR]"), 3u);
  }
  {
    CapturedLog output;
    folder.Write("odd.bank", R"({ "format" : "corvane-sound-bank", "version" : 1, "events" : [
        { "id" : 5, "sample" : "tone.wav" }, { "id" : "x", "sample" : "tone.wav", "loop" : "yes" },
        { "id" : "y", "sample" : "tone.wav", "sustainStart" : 0.2, "sustainEnd" : 0.1 },
        { "id" : "t", "sample" : "tone.wav" }, { "id" : "ok", "sample" : "tone.wav" } ] })");
    Bank odd;
    ASSERT_EQ(system->loadBankFile(folder.File("odd.bank").c_str(), LoadBankNormal, &odd), Result::Ok);
    int count = 0;
    odd.getEventCount(&count);
    EXPECT_EQ(count, 1);  // three malformed entries and one id another bank holds are left out
    EXPECT_EQ(output.CountOf("[ERROR]"), 4u);
  }
  Bank again;
  EXPECT_EQ(system->loadBankFile(folder.File("Master.bank").c_str(), LoadBankNormal, &again), Result::ErrorBankAlreadyLoaded);
}

TEST_F(AudioSystemTest, UnloadingABankAndReleasingTheSystemMakeHandlesStale)
{
  EventInstance instance = Start("event:/Loop");
  EventDescription description;
  system->getEvent("event:/Loop", &description);
  EXPECT_EQ(description.loadSampleData(), Result::Ok);
  EXPECT_EQ(master.unload(), Result::Ok);
  EXPECT_FALSE(instance.isValid());
  EXPECT_FALSE(description.isValid());
  EXPECT_EQ(Loudness(Render(0.05)), 0.0);
  EXPECT_EQ(master.unload(), Result::ErrorInvalidHandle);
  EXPECT_EQ(system->getEvent("event:/Loop", &description), Result::ErrorEventNotFound);

  EXPECT_EQ(strings.unload(), Result::Ok);
  Bank reloaded;
  ASSERT_EQ(system->loadBankFile(folder.File("Master.bank").c_str(), LoadBankNormal, &reloaded), Result::Ok);
  system->release();
  system = nullptr;
  EXPECT_FALSE(reloaded.isValid());
  EXPECT_EQ(reloaded.unload(), Result::ErrorInvalidHandle);
}

TEST_F(AudioSystemTest, ReleaseAllInstancesStopsEveryInstanceOfTheEvent)
{
  EventInstance first = Start("event:/Loop");
  EventInstance second = Start("event:/Loop");
  EventInstance other = Start("event:/Tone");
  EventDescription description;
  system->getEvent("event:/Loop", &description);
  int count = 0;
  description.getInstanceCount(&count);
  EXPECT_EQ(count, 2);
  EXPECT_EQ(description.releaseAllInstances(), Result::Ok);
  EXPECT_FALSE(first.isValid());
  EXPECT_FALSE(second.isValid());
  EXPECT_TRUE(other.isValid());
  EXPECT_EQ(system->getPlayingVoiceCount(), 1);
}

TEST(AudioSystemDeviceTest, FallsBackToSilenceWhenNoDeviceOpens)
{
  const char* previous = std::getenv("SDL_AUDIODRIVER");
  const std::string kept = previous ? previous : "";
  setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
  System* system = nullptr;
  ASSERT_EQ(System::create(&system), Result::Ok);
  {
    CapturedLog output;
    EXPECT_EQ(system->initialize(64, InitNormal, InitNormal, nullptr), Result::Ok);
    EXPECT_TRUE(output.Contains("[WARNING] No audio device"));
  }
  EXPECT_FALSE(system->hasDevice());
  EXPECT_EQ(system->update(), Result::Ok);
  EXPECT_EQ(system->release(), Result::Ok);
  if (previous)
    setenv("SDL_AUDIODRIVER", kept.c_str(), 1);
  else
    unsetenv("SDL_AUDIODRIVER");
}
