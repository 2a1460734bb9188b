#include "object/ObjectRecordWriter.h"

#include "core/JsonFields.h"
#include "object/Component.h"
#include "object/GameObject.h"
#include "object/GameobjectFactory.h"
#include "object/ObjectAsDesigned.h"
#include "object/ObjectRecordAsRead.h"
#include "object/Transform.h"
#include "object/UnreadRecordParts.h"

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
  // Looked up without inserting: an unknown prefab must not become an empty prefab.
  const Json::Value prefabValues = ObjectRecordAsRead::ValuesOf(factory.GetPrefabTemplates(object.GetPrefabName()), false);

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

  const ObjectRecordAsRead* asRead = object.GetRecordAsRead();
  // A record read under another prefab holds what differed from that one: it is written afresh,
  // from what the designer made of the object, with its whole placement.
  if (asRead == nullptr || asRead->PrefabName() != object.GetPrefabName())
  {
    // The record's own keys that the game does not read ("notes") stay with it.
    out = asRead != nullptr ? asRead->Record() : Json::Value(Json::objectValue);
    out["name"] = object.GetName();
    out["prefab"] = object.GetPrefabName();
    out["uuid"] = UuidOf(&object);
    Json::Value written(Json::objectValue);
    const ObjectAsDesigned designed(factory, object);
    ObjectRecordAsRead::WriteChanges(written, prefabValues, designed.Components(), &prefabValues);
    ObjectRecordAsRead::KeepPlacement(object, written, ObjectRecordAsRead::Placement);
    out["components"] = written;
    out["children"] = children;
    object.GetUnreadParts().MergeInto(object, out);
    // A record whose components all equal the prefab's says so with null.
    if (out["components"].isObject() && out["components"].empty())
      out["components"] = Json::Value();
    return;
  }

  // What did not change since the load keeps the text it was read with.
  out = asRead->Record();
  if (FieldOf(out, "name") != Json::Value(object.GetName()) && !(object.GetName().empty() && !out.isMember("name")))
    out["name"] = object.GetName();
  out["uuid"] = UuidOf(&object);
  Json::Value written = FieldOf(out, "components");
  ObjectRecordAsRead::WriteChanges(written, asRead->ValuesRead(), ObjectRecordAsRead::ComponentsOf(object), &prefabValues);
  // The placement it held stays, also where it now equals the prefab's.
  const std::vector<const char*> held = ObjectRecordAsRead::PlacementIn(asRead->Record());
  ObjectRecordAsRead::KeepPlacement(object, written, held.data(), held.size());
  if (written != FieldOf(out, "components"))
    out["components"] = written;
  for (const Json::Value& entry : object.GetUnreadParts().KeptChildren())
    children.append(entry);
  const Json::Value& childrenRead = FieldOf(out, "children");
  if (children != childrenRead && !(children.empty() && childrenRead.isNull()))
    out["children"] = children;
}
