#include "object/ObjectRecordReader.h"

#include "core/JsonFields.h"
#include "core/Log.h"
#include "object/Component.h"
#include "object/GameObject.h"
#include "object/GameobjectFactory.h"
#include "object/Space.h"
#include "object/UnreadRecordParts.h"
#include "platform/Assert.h"

#include <string>

namespace
{
std::string Quoted(const std::string& text)
{
  return "\"" + text + "\"";
}

const char* const RecordSkipped = "the record is skipped";
}  // namespace

ObjectRecordReader::Result ObjectRecordReader::Load(Handle<GameObject>& object, const Json::Value& record,
                                                    Space* space, UuidMap* uuids)
{
  object.Reset();
  if (!record.isObject())
  {
    LogError("An object record is not a JSON object; it is skipped.");
    return Result::Skipped;
  }
  std::string name;
  std::string prefab = "Default";
  if (!ReadField(record, "name", name, "an object record", RecordSkipped) ||
      !ReadField(record, "prefab", prefab, "the object record " + Quoted(name), RecordSkipped))
    return Result::Skipped;
  // The uuid is what children refer to: a record without a usable one cannot take part.
  int uuid = 0;
  if (!ReadRequiredField(record, "uuid", uuid, "the object record " + Quoted(name), RecordSkipped))
    return Result::Skipped;
  const Json::Value& components = FieldOf(record, "components");
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
    // Children naming a shared uuid can reach only one of its objects: the later one.
    if (const auto earlier = uuids->find(uuid); earlier != uuids->end() && earlier->second.IsValid())
      LogError("The object records ", Quoted(earlier->second->GetName()), " and ", Quoted(name),
               " share the \"uuid\" ", uuid, "; children naming it go to ", Quoted(name), ".");
    (*uuids)[uuid] = object;
    built->SetFileUuid(uuid);
  }

  if (components.isNull())
    return Result::Built;
  UnreadRecordParts unread;
  for (auto entry = components.begin(); entry != components.end(); ++entry)
  {
    const std::string typeName = entry.name();
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
  built->SetUnreadParts(std::move(unread));
  return Result::Built;
}
