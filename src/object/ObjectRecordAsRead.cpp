#include "object/ObjectRecordAsRead.h"

#include "core/JsonFields.h"
#include "object/Component.h"
#include "object/GameObject.h"
#include "object/MemberBase.h"
#include "object/MemberList.h"
#include "object/Transform.h"

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
    MemberList members(*component);
    for (MemberBase* member : members.Get())
    {
      if (member->IsSerialized())
        member->Serialize(entry[member->GetName()]);
    }
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
    // An entry that is not an object of members (a false the load refused for a Transform, a
    // number, a list) takes no member: changed, it is written afresh, as if added.
    const Json::Value& entryRead = FieldOf(components, typeName.c_str());
    const bool entryTakesMembers = entryRead.isNull() || entryRead.isObject();
    if (!before.isMember(typeName) || (!entryTakesMembers && values != before[typeName]))
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

void ObjectRecordAsRead::KeepPlacement(GameObject& object, Json::Value& components, const char* const* names,
                                       std::size_t count)
{
  Transform* transform = object.GetTransform();
  if (transform == nullptr || count == 0)
    return;
  Json::Value& entry = components["Transform"];
  if (!entry.isObject())
    entry = Json::Value(Json::objectValue);
  const MemberList members(*transform);
  for (std::size_t index = 0; index < count; ++index)
  {
    MemberBase* member = members[names[index]];
    if (member != nullptr && !entry.isMember(names[index]))
      member->Serialize(entry[names[index]]);
  }
}

std::vector<const char*> ObjectRecordAsRead::PlacementIn(const Json::Value& record)
{
  const Json::Value& transform = FieldOf(FieldOf(record, "components"), "Transform");
  std::vector<const char*> held;
  for (const char* name : Placement)
  {
    if (!FieldOf(transform, name).isNull())
      held.push_back(name);
  }
  return held;
}

ObjectRecordAsRead::ComponentSet ObjectRecordAsRead::ComponentsOf(const GameObject& object)
{
  ComponentSet components;
  for (const auto& [typeName, component] : object.GetComponents())
    components.push_back(component);
  return components;
}

std::unique_ptr<ObjectRecordAsRead> ObjectRecordAsRead::MadeNow(GameObject& object, Json::Value builtFrom)
{
  Json::Value record = std::move(builtFrom);
  // The number and the children were the original's.
  record.removeMember("uuid");
  record["name"] = object.GetName();
  record["prefab"] = object.GetPrefabName();
  record["children"] = Json::Value(Json::arrayValue);
  // Where the object stands now: a child's copy stands free.
  for (const char* name : Placement)
    RemoveMember(record["components"]["Transform"], name);
  KeepPlacement(object, record["components"], Placement);
  return std::make_unique<ObjectRecordAsRead>(std::move(record), ValuesOf(ComponentsOf(object), false), NotInFile);
}
