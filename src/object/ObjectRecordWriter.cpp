#include "object/ObjectRecordWriter.h"

#include "object/Component.h"
#include "object/GameObject.h"
#include "object/GameobjectFactory.h"
#include "object/Members.h"
#include "object/Transform.h"

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

std::int32_t ObjectRecordWriter::UuidOf(const GameObject* object)
{
  // Numbers count up from 1 in the order objects are met; an address would not fit 32 bits.
  const auto [position, inserted] = uuids.emplace(object, static_cast<std::int32_t>(uuids.size() + 1));
  return position->second;
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
}
