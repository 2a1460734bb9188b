#include "object/ObjectRecordWriter.h"

#include "core/JsonFields.h"
#include "object/Component.h"
#include "object/GameObject.h"
#include "object/GameobjectFactory.h"
#include "object/Members.h"
#include "object/Transform.h"
#include "object/UnreadRecordParts.h"

#include <vector>

namespace
{
Component* FindTemplate(const GameobjectFactory::PrefabComponents& prefab, std::uint32_t typeId)
{
  for (const auto& [factory, templateComponent] : prefab)
  {
    if (templateComponent->GetTypeId() == typeId)
      return templateComponent;
  }
  return nullptr;
}
}  // namespace

void ObjectRecordWriter::Reserve(std::int32_t uuid)
{
  taken.insert(uuid);
}

void ObjectRecordWriter::ClaimFileUuid(const GameObject& object)
{
  const std::optional<std::int32_t>& uuid = object.GetFileUuid();
  if (uuid.has_value() && taken.insert(*uuid).second)
    uuids.emplace(&object, *uuid);
}

void ObjectRecordWriter::ReserveKeptChildren(const GameObject& object)
{
  for (const Json::Value& entry : object.GetUnreadParts().KeptChildren())
  {
    if (const Json::Value& who = FieldOf(entry, "who"); who.isInt())
      Reserve(who.asInt());
  }
}

std::int32_t ObjectRecordWriter::UuidOf(const GameObject* object)
{
  ClaimFileUuid(*object);
  if (const auto found = uuids.find(object); found != uuids.end())
    return found->second;
  // New objects count up from 1 in the order they are met, past every number already taken; an
  // address would not fit 32 bits.
  while (taken.count(nextUuid) != 0)
    ++nextUuid;
  taken.insert(nextUuid);
  uuids.emplace(object, nextUuid);
  return nextUuid;
}

void ObjectRecordWriter::Write(GameObject& object, Json::Value& out)
{
  out["name"] = object.GetName();
  out["prefab"] = object.GetPrefabName();
  out["uuid"] = UuidOf(&object);
  out["components"] = Json::Value();
  Json::Value& components = out["components"];

  // Looked up without inserting: an unknown prefab must not become an empty prefab.
  const GameobjectFactory::PrefabComponents& prefab = factory.GetPrefab(object.GetPrefabName());
  for (const auto& [typeName, component] : object.GetComponents())
  {
    if (component->GetTypeId() == COMP_ChildSpawner)
      continue;
    Component* templateComponent = FindTemplate(prefab, component->GetTypeId());
    std::vector<MemberBase*> members;
    component->GetMembers(members);
    if (templateComponent != nullptr)
    {
      std::vector<MemberBase*> templateMembers;
      templateComponent->GetMembers(templateMembers);
      for (std::size_t index = 0; index < members.size() && index < templateMembers.size(); ++index)
      {
        MemberBase* member = members[index];
        if (!member->IsSerialized() || !member->NotEquals(*templateMembers[index]))
          continue;
        Json::Value value;
        member->Serialize(value);
        if (!value.isNull())
          components[typeName][member->GetName()] = value;
      }
      Members::Clear(templateMembers);
    }
    else
    {
      Json::Value& entry = components[typeName];
      for (MemberBase* member : members)
      {
        if (!member->IsSerialized())
          continue;
        Json::Value value;
        member->Serialize(value);
        entry[member->GetName()] = value;
      }
    }
    Members::Clear(members);
  }

  Json::Value children(Json::arrayValue);
  if (Transform* transform = object.GetTransform())
  {
    for (const Transform* child : transform->GetChildren())
    {
      const GameObject* childObject = child->GetGameObject();
      // Children made at run time (ChildSpawner's among them) are not part of the level.
      if (childObject == nullptr || !childObject->IsActive())
        continue;
      Json::Value who;
      who["who"] = UuidOf(childObject);
      children.append(who);
    }
  }
  out["children"] = children;
  object.GetUnreadParts().MergeInto(object, out);
}
