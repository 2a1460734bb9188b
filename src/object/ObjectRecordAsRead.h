#pragma once
// A level record or a prefab definition as it was read, with the values its components held once
// loaded. A save starts from what was read and writes only the members whose values changed since:
// content saved without an edit keeps its bytes (the content scripts write the game's own layout),
// values a component works out when it wakes are not written as if someone had set them, and one
// change changes only its own lines.
//
//   ValuesOf       what a set of components holds: type name -> member name -> value
//   WriteChanges   puts the changes since the values as read into the components as read
#include <json/json.h>

#include <cstddef>
#include <string>
#include <vector>

class Component;

class ObjectRecordAsRead
{
public:
  using ComponentSet = std::vector<Component*>;

  // `place` is the record's index among the level's records, so a save keeps the file's order.
  ObjectRecordAsRead(Json::Value read, Json::Value valuesRead, std::size_t place = 0)
      : record(std::move(read)), values(std::move(valuesRead)), index(place)
  {
  }

  const Json::Value& Record() const { return record; }
  const Json::Value& ValuesRead() const { return values; }
  std::size_t Place() const { return index; }
  // The prefab the record was read under ("Default" when it names none).
  std::string PrefabName() const;

  // Every serialised member of every component. A level never holds a ChildSpawner, so its
  // records leave it out.
  static Json::Value ValuesOf(const ComponentSet& components, bool withChildSpawner);

  // Brings `components` (type name -> members, as read) from the values `before` to the
  // components `now`; what did not change keeps its text.
  // With the prefab's values (a level record): a changed member is written where it differs from
  // the prefab and taken out where it equals it; a component added is written as it differs from
  // the prefab's, or whole when the prefab has none; a component the prefab gives and the object
  // no longer has is written as false. Without (a prefab definition): a changed member is written
  // as it is; a component added as it differs from its defaults; one removed is taken out.
  static void WriteChanges(Json::Value& components, const Json::Value& before, const ComponentSet& now,
                           const Json::Value* prefabValues);

private:
  Json::Value record;
  Json::Value values;
  std::size_t index;
};
