#pragma once
// Writes a game object as a record of a level file: its name, prefab and uuid, only what differs
// from its prefab, and the uuids of its saved children. One writer serves one save, so the uuids
// it hands out are unique within that file and the children's "who" entries match them.
#include <cstdint>
#include <json/json.h>
#include <map>

class GameObject;
class GameobjectFactory;

class ObjectRecordWriter
{
public:
  explicit ObjectRecordWriter(const GameobjectFactory& prefabSource) : factory(prefabSource) {}

  // Fills out with the object's record. A member is written when it differs from the prefab's
  // template in any way, even when it equals the member's default; a component the prefab lacks
  // is written whole. ChildSpawner is never written: its children come from the prefab.
  void Write(GameObject& object, Json::Value& out);

  // The object's uuid in this save, handed out on first request.
  std::int32_t UuidOf(const GameObject* object);

private:
  const GameobjectFactory& factory;
  std::map<const GameObject*, std::int32_t> uuids;
};
