#include "audio/ClickSound.h"

#include "SoundTestEnvironment.h"
#include "support/HandMadeObjects.h"
#include "input/DetectorEvents.h"

using ClickSoundTest = SoundTestEnvironment;

TEST_F(ClickSoundTest, PressEndClicksOncePerFrameWhateverTheMemberSays)
{
  Handle<GameObject> first = MakeBareObject("first");
  Handle<GameObject> second = MakeBareObject("second");
  ClickSound* firstClick = MemoryManager::New<ClickSound>(BRINDLE_SITE);
  ClickSound* secondClick = MemoryManager::New<ClickSound>(BRINDLE_SITE);
  firstClick->SetOwner(first);
  secondClick->SetOwner(second);
  firstClick->OnAwake();
  secondClick->OnAwake();
  {
    MemberList members(*firstClick);
    ASSERT_NE(members["soundClick"], nullptr);
  }
  firstClick->GetSound().SetEvent("event:/SFX/ExplosionV2");

  events->SendEvent(MemoryManager::New<DetectorTriggerEndEvent>(BRINDLE_SITE, first->GetId()));
  events->SendEvent(MemoryManager::New<DetectorTriggerEndEvent>(BRINDLE_SITE, second->GetId()));
  EXPECT_EQ(sound->GetStudioSystem()->getPlayingVoiceCount(), 1);
  EXPECT_FALSE(firstClick->GetSound().GetInstance());  // the click does not go through the record

  // The one playing voice is the click: the explosion named by the member never starts.
  Frame();
  EXPECT_TRUE(sound->PlaySound("event:/SFX/MenuClickV2", 1.0f));
  EXPECT_TRUE(sound->PlaySound("event:/SFX/ExplosionV2", 1.0f));

  ClickSound copy;
  copy = *firstClick;
  EXPECT_EQ(copy.GetSound().GetEvent(), "event:/SFX/ExplosionV2");

  MemoryManager::Delete(firstClick);
  MemoryManager::Delete(secondClick);
  GameObject::Destroy(first);
  GameObject::Destroy(second);
}
