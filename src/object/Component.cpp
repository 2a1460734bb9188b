#include "object/Component.h"

#include "core/EventManager.h"
#include "core/Log.h"
#include "object/GameObject.h"
#include "object/MemberList.h"
#include "object/ObjectEvents.h"
#include "object/Space.h"
#include "object/UnreadRecordParts.h"
#include "platform/Assert.h"

namespace
{
// Serials are never reused over the life of the process.
std::uint32_t nextComponentSerial = 0;

std::uint32_t NewComponentListenerId()
{
  EventManager* manager = EventManager::Instance();
  return manager != nullptr ? manager->GetNewListenerId() : 0;
}

std::string DataLossMessage(const std::string& typeName, const std::string& memberName)
{
  return "==== DATA LOSS INCOMING ===\nTLDR; Mark your shit to be serialized, because your are about to lose data.\n\n"
         "Component: " +
         typeName + ", member: " + memberName + ".\nThere was data found in a json file for the " + typeName +
         " component, for the " + memberName +
         " member.  This is a sign that someone wanted to save this data but it isn't registered to be serialized in "
         "GetMembers().  This can happen if you recently changed the parameters for GetMembers.  If it was recently "
         "determined that this data no longer needs to be serialized then simply continue through all of the asserts, "
         "and everything will load as normal, but if this is wrong then quit immediately because the next time "
         "prefabs are saved to file that information will be lost forever.  If you comment out this assert "
         "temporarily, make sure put it back when you are done.";
}
}  // namespace

Component::Component(std::uint32_t componentTypeId)
    : Listener(NewComponentListenerId()), serial(nextComponentSerial++), typeId(componentTypeId)
{
}

Component::~Component()
{
  owner.Reset();
}

void Component::GetMembers(std::vector<MemberBase*>&) {}

Space* Component::GetSpace() const
{
  const GameObject* object = GetGameObject();
  return object != nullptr ? object->GetSpace() : nullptr;
}

std::uint32_t Component::SpaceChannel() const
{
  const Space* space = GetSpace();
  return space != nullptr ? space->GetId() : ChannelCount;
}

std::uint32_t Component::OwnerChannel() const
{
  const GameObject* object = GetGameObject();
  return object != nullptr ? object->GetId() : ChannelCount;
}

void Component::LetSpaceDestroyOwner()
{
  const GameObject* object = GetGameObject();
  Space* space = GetSpace();
  EventManager* manager = EventManager::Instance();
  if (object != nullptr && space != nullptr && manager != nullptr)
    manager->Subscribe<Space, GameObjectDestroyedEvent>(space, object->GetId());
}

std::string Component::GetTypeName() const
{
  return GetTypeNameById(typeId);
}

std::string Component::GetTypeNameById(std::uint32_t id)
{
  return ComponentList::NameOf(id);
}

void Component::SerializeMembers(Json::Value& parent)
{
  MemberList members(*this);
  Json::Value object;
  for (MemberBase* member : members.Get())
  {
    if (!member->IsSerialized() || !member->HasChanged())
      continue;
    Json::Value value;
    member->Serialize(value);
    if (!value.isNull())
      object[member->GetName()] = value;
  }
  parent[GetTypeName()] = object;
}

void Component::Deserialize(const Json::Value& object, UnreadRecordParts* unread)
{
  {
    MemberList members(*this);
    DeserializeMembers(object, members.Get(), unread);
  }
  MembersChanged();
}

void Component::DeserializeMembers(const Json::Value& object, const std::vector<MemberBase*>& members,
                                   UnreadRecordParts* unread)
{
  if (!object.isObject())
  {
    if (!object.isNull())
    {
      LogError("Component \"", GetTypeName(), "\": expected an object of members; nothing is loaded.");
      if (unread != nullptr)
        unread->KeepComponent(GetTypeName(), object);
    }
    return;
  }
  for (auto entry = object.begin(); entry != object.end(); ++entry)
  {
    const std::string key = entry.name();
    MemberBase* member = Members::Find(members, key);
    if (member == nullptr)
    {
      if (unread != nullptr)
        unread->KeepMember(GetTypeName(), key, *entry);
      continue;
    }
    // The value is loaded all the same: losing it now would be worse than the warning.
    BRINDLE_CHECK(member->IsSerialized(), DataLossMessage(GetTypeName(), member->GetName()));
    if (!member->Deserialize(*entry) && unread != nullptr)
    {
      Json::Value instead;
      member->Serialize(instead);
      unread->KeepRefusedValue(GetTypeName(), key, *entry, instead);
    }
  }
}
