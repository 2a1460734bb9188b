#include "object/ObjectRecordReader.h"

#include "core/JsonFields.h"
#include "core/Log.h"
#include "object/Component.h"
#include "object/GameObject.h"
#include "object/GameobjectFactory.h"
#include "object/Space.h"
#include "object/UnreadRecordParts.h"
#include "platform/Assert.h"

#include <cstring>
#include <string>

namespace
{
std::string Quoted(const std::string& text)
{
  return "\"" + text + "\"";
}

const char* const RecordSkipped = "the record is skipped";

// The fields of a record, found in one pass over its members: a level has thousands of records,
// and a lookup by name per field was a good part of loading one.
struct RecordFields
{
  const Json::Value* name = nullptr;
  const Json::Value* prefab = nullptr;
  const Json::Value* uuid = nullptr;
  const Json::Value* components = nullptr;
  const Json::Value* children = nullptr;

  explicit RecordFields(const Json::Value& record)
  {
    for (auto entry = record.begin(); entry != record.end(); ++entry)
    {
      const char* key = entry.memberName();
      const Json::Value* value = entry->isNull() ? nullptr : &*entry;
      if (std::strcmp(key, "name") == 0)
        name = value;
      else if (std::strcmp(key, "prefab") == 0)
        prefab = value;
      else if (std::strcmp(key, "uuid") == 0)
        uuid = value;
      else if (std::strcmp(key, "components") == 0)
        components = value;
      else if (std::strcmp(key, "children") == 0)
        children = value;
    }
  }
};

// Reads a field that is there; on a problem reports it, naming the record, and returns false.
template <typename T>
bool ReadRecordField(const Json::Value* field, const char* key, T& out, const std::string& name)
{
  if (field == nullptr)
    return true;
  const char* problem = ReadMemberJson(*field, out);
  if (problem == nullptr)
    return true;
  ReportFieldProblem(std::strcmp(key, "name") == 0 ? "an object record" : "the object record " + Quoted(name), key,
                     problem, RecordSkipped);
  return false;
}
}  // namespace

ObjectRecordReader::Result ObjectRecordReader::Load(Handle<GameObject>& object, const Json::Value& record,
                                                    Space* space, UuidMap* uuids, const Json::Value** children)
{
  object.Reset();
  if (children != nullptr)
    *children = nullptr;
  if (!record.isObject())
  {
    LogError("An object record is not a JSON object; it is skipped.");
    return Result::Skipped;
  }
  const RecordFields fields(record);
  std::string name;
  std::string prefab = "Default";
  if (!ReadRecordField(fields.name, "name", name, name) || !ReadRecordField(fields.prefab, "prefab", prefab, name))
    return Result::Skipped;
  // The uuid is what children refer to: a record without a usable one cannot take part.
  int uuid = 0;
  if (fields.uuid == nullptr)
  {
    ReportFieldProblem("the object record " + Quoted(name), "uuid", "missing", RecordSkipped);
    return Result::Skipped;
  }
  if (!ReadRecordField(fields.uuid, "uuid", uuid, name))
    return Result::Skipped;
  const Json::Value& components = fields.components != nullptr ? *fields.components : Json::Value::nullSingleton();
  if (!components.isNull() && !components.isObject())
  {
    ReportFieldProblem("the object record " + Quoted(name), "components", "expected an object", RecordSkipped);
    return Result::Skipped;
  }

  factory.NewGameObject(object, prefab, space, name);
  GameObject* built = object.Get();
  if (built == nullptr)
    return Result::NoRoom;
  if (uuids != nullptr)
  {
    // Children naming a shared uuid can reach only one of its objects: the later one. The earlier
    // gives the number up, so that a save hands it to the object those entries name.
    if (const auto earlier = uuids->find(uuid); earlier != uuids->end() && earlier->second.IsValid())
    {
      LogError("The object records ", Quoted(earlier->second->GetName()), " and ", Quoted(name),
               " share the \"uuid\" ", uuid, "; children naming it go to ", Quoted(name), ".");
      earlier->second->SetFileUuid(std::nullopt);
    }
    (*uuids)[uuid] = object;
    built->SetFileUuid(uuid);
  }
  if (children != nullptr)
    *children = fields.children;

  if (components.isNull())
    return Result::Built;
  UnreadRecordParts& unread = built->EditUnreadParts();
  for (auto entry = components.begin(); entry != components.end(); ++entry)
  {
    const std::string typeName = entry.name();
    if (entry->isBool() && !entry->asBool())
    {
      // A component the prefab gives, removed from this object in the editor.
      if (typeName == "Transform")
        LogError("The object record ", Quoted(name), " removes its \"Transform\"; it stays: every object has one.");
      else
        built->RemoveComponent(built->GetComponents().find(typeName));
      continue;
    }
    Component* component = built->GetComponent(typeName);
    if (component == nullptr)
    {
      component = built->AttachComponent(factory.CreateComponent(typeName));
      if (component == nullptr)
      {
        LogError("Component : ", Quoted(typeName), " is not a valid component name, in prefab: ", Quoted(prefab),
                 " from level: ", Quoted(space != nullptr ? space->GetName() : ""));
        unread.KeepComponent(typeName, *entry);
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
    component->Deserialize(*entry, &unread);
  }
  return Result::Built;
}
