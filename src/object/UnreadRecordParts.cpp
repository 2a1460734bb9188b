#include "object/UnreadRecordParts.h"

#include "object/Component.h"
#include "object/GameObject.h"
#include "object/MemberBase.h"
#include "object/MemberList.h"

#include <vector>

namespace
{
// The member's value as a record would hold it, or null when the component has no such member.
Json::Value CurrentValue(Component& component, const std::string& memberName)
{
  const MemberList members(component);
  Json::Value value;
  if (MemberBase* member = members[memberName])
    member->Serialize(value);
  return value;
}

Json::Value& ObjectAt(Json::Value& parent, const std::string& key)
{
  Json::Value& entry = parent[key];
  if (!entry.isObject())
    entry = Json::Value(Json::objectValue);
  return entry;
}
}  // namespace

UnreadRecordParts::Parts& UnreadRecordParts::Made()
{
  if (parts == nullptr)
    parts = std::make_unique<Parts>();
  return *parts;
}

void UnreadRecordParts::KeepComponent(const std::string& typeName, const Json::Value& value)
{
  Made().wholeComponents[typeName] = value;
}

void UnreadRecordParts::KeepMember(const std::string& typeName, const std::string& memberName,
                                   const Json::Value& value)
{
  Made().members[typeName][memberName] = value;
}

void UnreadRecordParts::KeepRefusedValue(const std::string& typeName, const std::string& memberName,
                                         const Json::Value& value, const Json::Value& valueInstead)
{
  Made().members[typeName][memberName] = value;
  parts->valuesInstead[typeName][memberName] = valueInstead;
}

void UnreadRecordParts::KeepChild(const Json::Value& entry)
{
  Made().children.append(entry);
}

const Json::Value& UnreadRecordParts::KeptChildren() const
{
  static const Json::Value none(Json::arrayValue);
  return parts != nullptr && parts->children.isArray() ? parts->children : none;
}

void UnreadRecordParts::MergeInto(GameObject& object, Json::Value& record) const
{
  if (parts == nullptr)
    return;
  if (!parts->wholeComponents.isNull() || !parts->members.isNull())
  {
    Json::Value& components = record["components"];
    MergeComponentsInto([&object](const std::string& typeName) { return object.GetComponent(typeName); },
                        components);
    // A record whose components all equal the prefab's says so with null.
    if (components.isObject() && components.empty())
      components = Json::Value();
  }
  for (const Json::Value& entry : parts->children)
    record["children"].append(entry);
}

void UnreadRecordParts::MergeComponentsInto(const ComponentFinder& find, Json::Value& components) const
{
  if (parts == nullptr || (parts->wholeComponents.isNull() && parts->members.isNull()))
    return;
  const Json::Value& wholeComponents = parts->wholeComponents;
  const Json::Value& members = parts->members;
  const Json::Value& valuesInstead = parts->valuesInstead;
  if (!components.isObject())
    components = Json::Value(Json::objectValue);
  for (const std::string& typeName : wholeComponents.getMemberNames())
  {
    if (!components.isMember(typeName) || components[typeName].isNull())
      components[typeName] = wholeComponents[typeName];
  }
  for (const std::string& typeName : members.getMemberNames())
  {
    Component* component = find(typeName);
    if (component == nullptr)
      continue;
    const Json::Value& kept = members[typeName];
    const Json::Value& instead = valuesInstead[typeName];
    for (const std::string& memberName : kept.getMemberNames())
    {
      if (instead.isMember(memberName) && CurrentValue(*component, memberName) != instead[memberName])
        continue;
      ObjectAt(components, typeName)[memberName] = kept[memberName];
    }
  }
}
