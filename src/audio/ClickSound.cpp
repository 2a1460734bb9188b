#include "audio/ClickSound.h"

#include "audio/SoundSystem.h"
#include "core/EventManager.h"
#include "input/DetectorEvents.h"
#include "object/GameObject.h"
#include "object/MemberWidgets.h"
#include "object/Members.h"

ClickSound::ClickSound() : Component(TypeId) {}

void ClickSound::OnAwake()
{
  SubscribeOnOwner<DetectorTriggerEndEvent>(this);
}

void ClickSound::GetMembers(std::vector<MemberBase*>& members)
{
  Members::AddMember(members, "soundClick", &sound.GetEvent(), RenderSoundPath, std::string(Sound::DefaultPath));
}

void ClickSound::On(DetectorTriggerEndEvent*)
{
  if (SoundSystem* soundSystem = SoundSystem::Instance())
    soundSystem->PlaySound(ClickPath, 1.0f);
}
