#include "object/ObjectRecordAsRead.h"

#include "core/JsonFields.h"
#include "object/Component.h"
#include "object/MemberBase.h"
#include "object/Members.h"

namespace
{
void RemoveMember(Json::Value& parent, const std::string& key)
{
  if (parent.isObject())
    parent.removeMember(key);
}
}  // namespace

std::string ObjectRecordAsRead::PrefabName() const
{
  const Json::Value& prefab = FieldOf(record, "prefab");
  return prefab.isString() ? prefab.asString() : "Default";
}

Json::Value ObjectRecordAsRead::ValuesOf(const ComponentSet& components, bool withChildSpawner)
{
  Json::Value values(Json::objectValue);
  for (Component* component : components)
  {
    if (!withChildSpawner && component->GetTypeId() == COMP_ChildSpawner)
      continue;
    Json::Value& entry = values[component->GetTypeName()] = Json::Value(Json::objectValue);
    std::vector<MemberBase*> members;
    component->GetMembers(members);
    for (MemberBase* member : members)
    {
      if (member->IsSerialized())
        member->Serialize(entry[member->GetName()]);
    }
    Members::Clear(members);
  }
  return values;
}

void ObjectRecordAsRead::WriteChanges(Json::Value& components, const Json::Value& before, const ComponentSet& now,
                                      const Json::Value* prefabValues)
{
  const bool level = prefabValues != nullptr;
  const Json::Value nowValues = ValuesOf(now, !level);
  for (Component* component : now)
  {
    const std::string typeName = component->GetTypeName();
    if (!nowValues.isMember(typeName))
      continue;
    const Json::Value& values = nowValues[typeName];
    if (!before.isMember(typeName) && !level)
    {
      Json::Value parent;
      component->SerializeMembers(parent);
      components[typeName] = parent[typeName];
      continue;
    }
    const bool inPrefab = level && prefabValues->isMember(typeName);
    if (!before.isMember(typeName))
    {
      // Added since the record was read (or given again after a false): written against the prefab.
      RemoveMember(components, typeName);
      Json::Value entry(Json::objectValue);
      for (const std::string& memberName : values.getMemberNames())
      {
        const Json::Value& value = values[memberName];
        if (!value.isNull() && (!inPrefab || value != (*prefabValues)[typeName][memberName]))
          entry[memberName] = value;
      }
      // A component the prefab lacks needs its entry, empty or not, for the load to add it.
      if (!entry.empty() || !inPrefab)
        components[typeName] = entry;
      continue;
    }
    const Json::Value& was = before[typeName];
    for (const std::string& memberName : values.getMemberNames())
    {
      const Json::Value& value = values[memberName];
      if (value == was[memberName])
        continue;
      if (value.isNull() || (inPrefab && value == (*prefabValues)[typeName][memberName]))
      {
        if (components.isObject() && components.isMember(typeName))
          RemoveMember(components[typeName], memberName);
      }
      else
        components[typeName][memberName] = value;
    }
  }
  for (const std::string& typeName : before.getMemberNames())
  {
    if (nowValues.isMember(typeName))
      continue;
    if (level && prefabValues->isMember(typeName))
      components[typeName] = false;
    else
      RemoveMember(components, typeName);
  }
}
