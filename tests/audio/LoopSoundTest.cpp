#include "audio/LoopSound.h"

#include "SoundTestEnvironment.h"

using LoopSoundTest = SoundTestEnvironment;

TEST_F(LoopSoundTest, PlaysTheIntroOnWakeAndIsCutOffWhenRemoved)
{
  LoopSound* loop = MemoryManager::New<LoopSound>(BRINDLE_SITE);
  EXPECT_EQ(loop->GetSound().GetEvent(), "event:/SFX/Menu Click");
  loop->OnAwake();
  EXPECT_EQ(loop->GetSound().GetEvent(), LoopSound::IntroPath);
  const EventInstance intro = loop->GetSound().GetInstance();
  EXPECT_EQ(IdOf(intro), IdOfPath("event:/Music/IntroPanSequence"));
  EXPECT_GT(Loudness(), 0.0);
  MemoryManager::Delete(loop);
  EXPECT_EQ(StateOf(intro), PlaybackState::Stopped);
  EXPECT_EQ(Loudness(), 0.0);
}
