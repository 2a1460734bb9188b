#include "audio/ClickSound.h"

#include "audio/SoundSystem.h"
#include "core/EventManager.h"
#include "core/Events.h"
#include "object/GameObject.h"
#include "object/Members.h"
#include "object/MemberWidgets.h"

ClickSound::ClickSound() : Component(TypeId) {}

ClickSound& ClickSound::operator=(const ClickSound& other)
{
  Component::operator=(other);
  sound = other.sound;
  return *this;
}

void ClickSound::OnAwake()
{
  GameObject* object = GetGameObject();
  EventManager* events = EventManager::Instance();
  if (object != nullptr && events != nullptr)
    events->Subscribe<ClickSound, DetectorTriggerEndEvent>(this, object->GetId());
}

void ClickSound::GetMembers(std::vector<MemberBase*>& members)
{
  Members::AddMember(members, "soundClick", &sound.GetEvent(), RenderString, std::string(Sound::DefaultPath));
}

void ClickSound::On(DetectorTriggerEndEvent*)
{
  if (SoundSystem* soundSystem = SoundSystem::Instance())
    soundSystem->PlaySound(ClickPath, 1.0f);
}
