#include "audio/SoundSystem.h"

#include "SoundTestEnvironment.h"
#include "audio/SoundEvents.h"
#include "audio/SoundResource.h"
#include "support/CapturedLog.h"
#include "support/TemporaryDirectory.h"

#include <filesystem>

using SoundSystemTest = SoundTestEnvironment;

TEST_F(SoundSystemTest, EveryListedPathHasAnEventInTheBanks)
{
  const SoundResource list;
  ASSERT_TRUE(list.Found());
  ASSERT_FALSE(list.GetLines().empty());
  for (const std::string& path : list.GetLines())
    EXPECT_TRUE(sound->HasDescription(path)) << path;
  EXPECT_EQ(sound->DescriptionCount(), list.GetLines().size());
  for (const char* path : {"event:/SFX/PistolShoot", "event:/SFX/TransitionSound", "event:/SFX/Menu Click",
                           "event:/SFX/MenuClickV2", "event:/Music/Win!", "event:/Music/IntroPanSequence",
                           "event:/SFX/PropulsionNoise"})
    EXPECT_TRUE(sound->HasDescription(path)) << path;
  EXPECT_EQ(asserts.Count(), 0u);
  EXPECT_EQ(sound->GetStudioSystem()->getOutputChannels(), 6);  // 5.1 when nothing else decides
}

TEST_F(SoundSystemTest, APathStartsOncePerFrame)
{
  const EventInstance first = sound->PlaySound("event:/SFX/Menu Click", 2.0f);
  EXPECT_TRUE(first.isValid());
  EXPECT_FALSE(sound->PlaySound("event:/SFX/Menu Click", 2.0f));
  EXPECT_FALSE(sound->PlaySound("event:/SFX/Menu Click", 1.0f, 1.2f));
  EXPECT_TRUE(sound->PlaySound("event:/SFX/MenuClickV2", 2.0f));  // another path is another matter
  EXPECT_GT(Loudness(), 0.01);
  Frame();
  EXPECT_TRUE(sound->PlaySound("event:/SFX/Menu Click", 2.0f));
}

TEST_F(SoundSystemTest, UnknownPathPlaysTheDefaultAndLoadingKeepsTheFirstEntry)
{
  const EventInstance played = sound->PlaySound("event:/SFX/NoSuchThing", 1.0f);
  ASSERT_TRUE(played.isValid());
  EXPECT_EQ(IdOf(played), IdOfPath("event:/SFX/PistolShoot"));

  Send<LoadSoundEvent>("");
  Send<LoadSoundEvent>("event:/SFX/NoSuchThing");
  EXPECT_FALSE(sound->HasDescription(""));
  EXPECT_FALSE(sound->HasDescription("event:/SFX/NoSuchThing"));
  const std::size_t count = sound->DescriptionCount();
  Send<LoadSoundEvent>("event:/SFX/Dash");
  EXPECT_EQ(sound->DescriptionCount(), count);
}

TEST_F(SoundSystemTest, EffectVolumesPitchAndMute)
{
  Send<SetSFXVolume>(1.5f);
  Send<SetSFXVolume>(-0.1f);
  Send<SetSFXVolume>(std::nanf(""));
  EXPECT_EQ(sound->GetSFXVolume(), 1.0f);
  Send<SetSFXVolume>(0.5f);
  EXPECT_EQ(sound->GetSFXVolume(), 0.5f);

  float volume = 0.0f;
  float pitch = 0.0f;
  EventInstance plain = sound->PlaySound("event:/SFX/Dash", 0.0f);  // the volume argument takes no part
  plain.getVolume(&volume);
  EXPECT_EQ(volume, 0.5f);
  EventInstance pitched = sound->PlaySound("event:/SFX/Shield", 2.0f, 1.2f);
  pitched.getVolume(&volume);
  pitched.getPitch(&pitch);
  EXPECT_EQ(volume, 0.5f);  // a positive volume becomes the effect volume
  EXPECT_FLOAT_EQ(pitch, 1.2f);
  EventInstance silent = sound->PlaySound("event:/SFX/Teleport", 0.0f, 1.2f);
  silent.getVolume(&volume);
  EXPECT_EQ(volume, 0.0f);  // pitched plays honour a volume of zero
  EventInstance notANumber = sound->PlaySound("event:/SFX/DronePop", std::nanf(""), 1.0f);
  notANumber.getVolume(&volume);
  EXPECT_EQ(volume, 0.0f);

  Frame();
  Send<Mute>();
  EXPECT_TRUE(sound->IsMuted());
  EventInstance muted = sound->PlaySound("event:/SFX/ExplosionV2", 1.0f);
  muted.getVolume(&volume);
  EXPECT_EQ(volume, 0.0f);
  Send<Mute>();
  EXPECT_FALSE(sound->IsMuted());
}

TEST_F(SoundSystemTest, SoundEventPlaysAtItsOwnVolume)
{
  Send<SoundEvent>("event:/SFX/BombBeep", 0.25f);
  EXPECT_GT(Loudness(), 0.001);
  Send<SoundEvent>("event:/SFX/BombBeep", 0.25f);  // no once-per-frame rule here
  EXPECT_EQ(sound->GetStudioSystem()->getPlayingVoiceCount(), 2);
}

TEST_F(SoundSystemTest, CueStartsAndRestartsATrack)
{
  Send<CueMusicEvent>("event:/Music/MenuMusic");
  EXPECT_EQ(sound->GetCurrentMusic(), "event:/Music/MenuMusic");
  const EventInstance first = sound->GetMusicPlayer().GetCurrentInstance();
  EXPECT_EQ(StateOf(first), PlaybackState::Playing);
  EXPECT_GT(Loudness(), 0.01);
  Send<CueMusicEvent>("event:/Music/MenuMusic");
  Frame();
  EXPECT_FALSE(first.isValid());  // stopped and released
  EXPECT_EQ(StateOf(sound->GetMusicPlayer().GetCurrentInstance()), PlaybackState::Playing);
}

TEST_F(SoundSystemTest, FadeTakes313UpdatesThenThePendingTrackPlaysOnce)
{
  Send<CueMusicEvent>("event:/Music/MenuMusic");
  Send<FadeInto>("event:/Music/MenuMusic");  // the track already cued: nothing
  EXPECT_FALSE(sound->IsFading());
  Send<FadeInto>("event:/Music/AmbientTracks");
  EXPECT_TRUE(sound->IsFading());
  EXPECT_EQ(sound->GetCurrentMusic(), "event:/Music/MenuMusic");
  for (int update = 0; update < 313; ++update)
    Frame();
  EXPECT_LT(sound->GetFadeFactor(), 0.0f);
  EXPECT_EQ(sound->GetMusicPlayer().GetTrackPath(), "event:/Music/MenuMusic");
  Frame();
  EXPECT_FALSE(sound->IsFading());
  EXPECT_FALSE(sound->IsTransitionPending());
  EXPECT_EQ(sound->GetMusicPlayer().GetTrackPath(), "event:/Music/AmbientTracks");
  EXPECT_FLOAT_EQ(TrackVolume(), 1.0f);
  const EventInstance track = sound->GetMusicPlayer().GetCurrentInstance();
  for (int update = 0; update < 120; ++update)
    Frame(0.1);  // 12 s: past the end of the 8-s loop
  EXPECT_EQ(sound->GetMusicPlayer().GetCurrentInstance(), track);
  EXPECT_EQ(StateOf(track), PlaybackState::Playing);
}

TEST_F(SoundSystemTest, TransitionPlaysTheStingThenReachesTheNextTrack)
{
  Send<CueMusicEvent>("event:/Music/AmbientTracks");
  const EventInstance old = sound->GetMusicPlayer().GetCurrentInstance();
  Send<CueTransition>("event:/Music/AmbientTracks");  // the current track: nothing
  EXPECT_FALSE(sound->IsTransitionPending());
  Send<CueTransition>("event:/Music/BattleMusic");
  EXPECT_TRUE(sound->IsTransitionPending());
  const EventInstance sting = sound->GetMusicPlayer().GetTransitionInstance();
  EXPECT_EQ(IdOf(sting), IdOfPath("event:/SFX/TransitionSound"));
  Frame();
  EXPECT_EQ(StateOf(old), PlaybackState::Stopping);
  EXPECT_EQ(StateOf(sting), PlaybackState::Playing);
  for (int update = 0; update < 20; ++update)
    Frame(0.1);
  EXPECT_FALSE(sound->IsTransitionPending());
  EXPECT_EQ(sound->GetMusicPlayer().GetTrackPath(), "event:/Music/BattleMusic");
  EXPECT_EQ(StateOf(sound->GetMusicPlayer().GetCurrentInstance()), PlaybackState::Playing);
  EXPECT_FALSE(old.isValid());  // the old track is gone for good
  EXPECT_FALSE(sting.isValid());
  EXPECT_EQ(sound->GetCurrentMusic(), "event:/Music/AmbientTracks");  // only a cue changes it
  EXPECT_EQ(sound->GetStudioSystem()->getPlayingVoiceCount(), 1);
}

TEST_F(SoundSystemTest, StoppedOrEndedTracksAreNeverStartedAgain)
{
  Send<CueMusicEvent>("event:/Music/Win!");  // a track that does not loop
  const EventInstance fanfare = sound->GetMusicPlayer().GetCurrentInstance();
  for (int update = 0; update < 40; ++update)
    Frame(0.1);
  EXPECT_FALSE(fanfare.isValid());
  EXPECT_EQ(sound->GetMusicPlayer().GetState(), PlaybackState::Stopped);
  EXPECT_EQ(sound->GetStudioSystem()->getPlayingVoiceCount(), 0);

  Send<CueMusicEvent>("event:/Music/BattleMusic");
  Frame();
  Send<StopMusicEvent>();
  for (int update = 0; update < 40; ++update)
    Frame(0.1);
  EXPECT_FALSE(sound->GetMusicPlayer().HasTrack());
  EXPECT_EQ(sound->GetStudioSystem()->getPlayingVoiceCount(), 0);
  EXPECT_EQ(Loudness(), 0.0);
}

TEST_F(SoundSystemTest, MusicVolumesMuteAndMenu)
{
  Send<CueMusicEvent>("event:/Music/MenuMusic");
  Send<SetMusicVolumeEvent>(0.0f);
  EXPECT_EQ(TrackVolume(), 0.0f);
  Send<SetMusicVolumeEvent>(2.5f);  // any value is taken
  EXPECT_EQ(sound->GetMusicVolume(), 2.5f);
  EXPECT_EQ(TrackVolume(), 2.5f);
  Send<SetMusicVolumeEvent>(1.0f);
  Send<MenuSoundEvent>(true);
  EXPECT_FLOAT_EQ(TrackVolume(), 0.3f);
  Send<MenuSoundEvent>(false);
  EXPECT_FLOAT_EQ(TrackVolume(), 1.0f);

  Send<Mute>();
  EXPECT_EQ(TrackVolume(), 0.0f);
  // Muted means muted: nothing that sets a music volume brings the music back.
  Send<SetMusicVolumeEvent>(1.0f);
  Send<MenuSoundEvent>(true);
  EXPECT_EQ(TrackVolume(), 0.0f);
  Send<FadeInto>("event:/Music/Credits");
  for (int update = 0; update < 320; ++update)
    Frame();
  EXPECT_EQ(sound->GetMusicPlayer().GetTrackPath(), "event:/Music/Credits");
  EXPECT_EQ(TrackVolume(), 0.0f);
  Send<Mute>();
  EXPECT_FLOAT_EQ(TrackVolume(), 0.3f);  // the menu is still open
}

TEST(SoundSystemWithoutFilesTest, MissingBanksAndListAreReportedAndTheGameGoesOn)
{
  MemoryManager::Instance();
  std::int64_t now = 0;
  Studio::System::SetHeadlessClock([&now] { return now; });
  TemporaryDirectory empty;
  const std::filesystem::path previous = std::filesystem::current_path();
  std::filesystem::current_path(empty.Path());
  {
    RecordingAssertHandler asserts;
    CapturedLog output;
    EventManager events;
    EventManager::SetInstance(&events);
    {
      SoundSystem sound;
      events.ProcessQueue();
      // Missing banks are bad data: one line each, and no failed check for the steps after them.
      EXPECT_FALSE(asserts.Saw("FMOD PROBLEMS..."));
      EXPECT_TRUE(asserts.Saw("Missing Sound Resource File."));
      EXPECT_EQ(output.CountOf("could not be loaded (file not found); the game plays without its sounds."), 2u)
          << output.Text();
      asserts.Clear();
      EXPECT_FALSE(sound.PlaySound("event:/SFX/PistolShoot", 1.0f));
      SoundEvent event(SoundSystemChannel, "event:/SFX/PistolShoot", 1.0f);
      sound.On(&event);
      CueMusicEvent cue(SoundSystemChannel, "event:/Music/MenuMusic");
      sound.On(&cue);
      CueTransition transition(SoundSystemChannel, "event:/Music/BattleMusic");
      sound.On(&transition);
      sound.Update();
      EXPECT_EQ(sound.GetMusicPlayer().GetTrackPath(), "");
      EXPECT_EQ(asserts.Count(), 0u);  // nothing to play is not an error each time
    }
    EventManager::SetInstance(nullptr);
  }
  std::filesystem::current_path(previous);
  Studio::System::SetHeadlessClock({});
}
