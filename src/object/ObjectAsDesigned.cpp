#include "object/ObjectAsDesigned.h"

#include "core/JsonFields.h"
#include "core/MemoryManager.h"
#include "object/ComponentFactory.h"
#include "object/GameObject.h"
#include "object/GameobjectFactory.h"
#include "object/MemberBase.h"
#include "object/MemberList.h"

namespace
{
// Sets each serialised member that `values` gives (type name's object: member -> value).
void Apply(Component& component, const Json::Value& values)
{
  if (!values.isObject())
    return;
  MemberList members(component);
  for (MemberBase* member : members.Get())
  {
    const Json::Value& value = FieldOf(values, member->GetName().c_str());
    if (member->IsSerialized() && !value.isNull())
      member->Deserialize(value);
  }
}
}  // namespace

ObjectAsDesigned::ObjectAsDesigned(const GameobjectFactory& factory, GameObject& object)
{
  const ObjectRecordAsRead* asRead = object.GetRecordAsRead();
  const Json::Value templateValues = ObjectRecordAsRead::ValuesOf(
      asRead != nullptr ? factory.GetPrefabTemplates(asRead->PrefabName()) : ObjectRecordAsRead::ComponentSet(), true);
  const Json::Value& recordComponents =
      asRead != nullptr ? FieldOf(asRead->Record(), "components") : Json::Value::nullSingleton();
  for (const auto& [typeName, live] : object.GetComponents())
  {
    const auto componentFactory = factory.GetFactories().find(typeName);
    // Added since the record was read, or never in a record (a ChildSpawner): as it is.
    if (asRead == nullptr || !asRead->ValuesRead().isMember(typeName) || componentFactory == factory.GetFactories().end())
    {
      components.push_back(live);
      continue;
    }
    Component* designed = componentFactory->second->GetNew();
    if (designed == nullptr)
    {
      components.push_back(live);
      continue;
    }
    made.push_back(designed);
    components.push_back(designed);
    // Through the members, not a copy: a copy leaves out what a component keeps as a cache ("radius").
    Apply(*designed, FieldOf(templateValues, typeName.c_str()));
    Apply(*designed, FieldOf(recordComponents, typeName.c_str()));
    const Json::Value now = ObjectRecordAsRead::ValuesOf({live}, true)[typeName];
    const Json::Value& read = asRead->ValuesRead()[typeName];
    Json::Value changed(Json::objectValue);
    for (const std::string& memberName : now.getMemberNames())
    {
      if (now[memberName] != read[memberName])
        changed[memberName] = now[memberName];
    }
    Apply(*designed, changed);
  }
}

ObjectAsDesigned::~ObjectAsDesigned()
{
  for (Component* component : made)
    MemoryManager::Delete(component);
}
