#include "object/Registerer.h"

#include "core/EventManager.h"
#include "core/Send.h"
#include "object/GameObject.h"
#include "object/Members.h"
#include "object/ObjectEvents.h"

void Registerer::OnAwake()
{
  EventManager* manager = EventManager::Instance();
  const GameObject* object = GetGameObject();
  if (manager == nullptr || object == nullptr)
    return;
  registeredId = object->GetId();
  registered = true;
  SendNow<RegisterGO>(BRINDLE_SITE, RegistryChannel, GetOwner(), static_cast<std::uint32_t>(registryType));
}

void Registerer::OnDestroy()
{
  EventManager* manager = EventManager::Instance();
  if (manager == nullptr || !registered)
    return;
  registered = false;
  SendNow<UnregisterGO>(BRINDLE_SITE, RegistryChannel, registeredId, static_cast<std::uint32_t>(registryType));
}

void Registerer::GetMembers(std::vector<MemberBase*>& members)
{
  Members::AddMember(members, "registryType", &registryType, nullptr, RegistryType::NONE);
}
