#include "object/ObjectRecordReader.h"

#include "object/Component.h"
#include "object/GameObject.h"
#include "object/GameobjectFactory.h"
#include "object/Space.h"
#include "platform/Assert.h"

#include <iostream>
#include <string>

namespace
{
std::string Quoted(const std::string& text)
{
  return "\"" + text + "\"";
}

// A string field of the record, its fallback when absent; false (after an error line) when the
// field holds something else.
bool ReadText(const Json::Value& record, const char* key, const std::string& fallback, std::string& out)
{
  const Json::Value& value = record[key];
  if (value.isNull())
  {
    out = fallback;
    return true;
  }
  if (!value.isString())
  {
    std::cout << "[ERROR] An object record's " << Quoted(key) << " is not a string; the record is skipped."
              << std::endl;
    return false;
  }
  out = value.asString();
  return true;
}
}  // namespace

ObjectRecordReader::Result ObjectRecordReader::Load(Handle<GameObject>& object, const Json::Value& record,
                                                    Space* space, UuidMap* uuids)
{
  object.Reset();
  if (!record.isObject())
  {
    std::cout << "[ERROR] An object record is not a JSON object; it is skipped." << std::endl;
    return Result::Skipped;
  }
  std::string name;
  std::string prefab;
  if (!ReadText(record, "name", "", name) || !ReadText(record, "prefab", "Default", prefab))
    return Result::Skipped;
  // The uuid is what children refer to: a record without a usable one cannot take part.
  const Json::Value& uuid = record["uuid"];
  if (!uuid.isInt())
  {
    std::cout << "[ERROR] The object record " << Quoted(name) << " has no integer \"uuid\"; it is skipped."
              << std::endl;
    return Result::Skipped;
  }
  const Json::Value& components = record["components"];
  if (!components.isNull() && !components.isObject())
  {
    std::cout << "[ERROR] The object record " << Quoted(name)
              << " has \"components\" that are not an object; it is skipped." << std::endl;
    return Result::Skipped;
  }

  factory.NewGameObject(object, prefab, space, name);
  GameObject* built = object.Get();
  if (built == nullptr)
    return Result::Skipped;
  if (uuids != nullptr)
  {
    // Children naming a shared uuid can reach only one of its objects: the later one.
    if (const auto earlier = uuids->find(uuid.asInt()); earlier != uuids->end() && earlier->second.IsValid())
      std::cout << "[ERROR] The object records " << Quoted(earlier->second->GetName()) << " and " << Quoted(name)
                << " share the \"uuid\" " << uuid.asInt() << "; children naming it go to " << Quoted(name) << "."
                << std::endl;
    (*uuids)[uuid.asInt()] = object;
  }

  if (components.isNull())
    return Result::Built;
  for (const std::string& typeName : components.getMemberNames())
  {
    Component* component = built->GetComponent(typeName);
    if (component == nullptr)
    {
      component = built->AttachComponent(factory.CreateComponent(typeName));
      if (component == nullptr)
      {
        std::cout << "[ERROR] Component : " << Quoted(typeName) << " is not a valid component name, in prefab: "
                  << Quoted(prefab) << " from level: " << Quoted(space != nullptr ? space->GetName() : "")
                  << std::endl;
        continue;
      }
    }
    else if (component->GetTypeId() == COMP_ChildSpawner)
    {
      Assert("ChildSpawner components must not be stored in level files any more: the ChildSpawner belongs in "
             "the prefab " + Quoted(prefab) + ". Remove all ChildSpawner components from the level file.",
             __LINE__, __FILE__, "GameObject::LoadFromJson");
      return Result::Refused;
    }
    component->Deserialize(components[typeName]);
  }
  return Result::Built;
}
