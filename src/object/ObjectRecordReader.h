#pragma once
// Builds a game object from one record of a level file: the object is made from the record's
// prefab, then the record's components are added or overwritten member by member; a component
// given as false is one of the prefab's that the object does not have. Nothing is
// woken; the level reader parents and wakes the objects once all are built.
#include "core/Handle.h"

#include <cstdint>
#include <json/json.h>
#include <map>

class GameObject;
class GameobjectFactory;
class Space;

class ObjectRecordReader
{
public:
  using UuidMap = std::map<std::int32_t, Handle<GameObject>>;

  enum class Result
  {
    Built,    // the object exists (missing components reported, the rest loaded)
    Skipped,  // the record is unusable and built nothing; reading can go on
    Refused,  // the record stores a ChildSpawner its prefab already has: the level must not load
    NoRoom,   // the record is sound but no object could be made (out of ids): later ones fail alike
  };

  explicit ObjectRecordReader(GameobjectFactory& objectFactory) : factory(objectFactory) {}

  // Builds the object into the space; with a uuid map, files the object under the record's uuid
  // (a later record with the same uuid replaces the entry) and gives the record's "children"
  // (null when it has none). A refused object is left built in its space for the caller to tear
  // down with the rest of the level.
  Result Load(Handle<GameObject>& object, const Json::Value& record, Space* space, UuidMap* uuids,
              const Json::Value** children = nullptr);

private:
  GameobjectFactory& factory;
};
