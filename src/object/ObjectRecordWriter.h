#pragma once
// Writes a game object as a record of a level file: its name, prefab and uuid, what differs from
// its prefab, its placement, the uuids of its saved children, and what its own record held that it
// could not take (object/UnreadRecordParts.h). An object loaded from a record (or made in the
// editor) is written as that record with only what changed since (object/ObjectRecordAsRead.h);
// one whose prefab changed since, afresh from what its designer made of it (object/ObjectAsDesigned.h). One writer serves
// one save, so the uuids it hands out are unique within that file and the children's "who"
// entries match them.
#include <cstdint>
#include <json/json.h>
#include <map>
#include <unordered_set>

class GameObject;
class GameobjectFactory;

class ObjectRecordWriter
{
public:
  explicit ObjectRecordWriter(const GameobjectFactory& prefabSource) : factory(prefabSource) {}

  // Fills out with the object's record. A member is written when it differs from the prefab's
  // template in any way, even when it equals the member's default; a component the prefab lacks
  // is written whole, and one the prefab gives that the object lacks as false. A record keeps the
  // placement it held and one written afresh holds all of it (ObjectRecordAsRead::Placement), so
  // that a later change of the prefab moves, turns or resizes no object already saved.
  // ChildSpawner is never written: its children come from the prefab.
  void Write(GameObject& object, Json::Value& out);

  // Before the first record: a uuid that records written as they were read hold, and the uuid
  // an object was loaded under, which it keeps unless another took it first (UuidOf claims it
  // too, but an object met earlier without one might have been handed that number).
  void Reserve(std::int32_t uuid);
  void ClaimFileUuid(const GameObject& object);
  // After every object has claimed its own: the numbers the object's kept child entries name.
  // Those name no object of the level (a record deleted by hand or skipped), and must go on naming
  // none: a new object taking one would become that parent's child at the next load.
  void ReserveKeptChildren(const GameObject& object);

  // The object's uuid in this save, handed out on first request.
  std::int32_t UuidOf(const GameObject* object);

private:
  const GameobjectFactory& factory;
  std::map<const GameObject*, std::int32_t> uuids;
  std::unordered_set<std::int32_t> taken;
  std::int32_t nextUuid = 1;
};
