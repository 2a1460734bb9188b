#pragma once
// A level record or a prefab definition as it was read, with the values its components held once
// loaded. A save starts from what was read and writes only the members whose values changed since:
// content saved without an edit keeps its bytes (the content scripts write the game's own layout),
// values a component works out when it wakes are not written as if someone had set them, and one
// change changes only its own lines.
//
//   ValuesOf       what a set of components holds: type name -> member name -> value
//   WriteChanges   puts the changes since the values as read into the components as read
//   KeepPlacement  where the object stands, how it is turned and how large it is, for its level
//   MadeNow        the record an object made in the editor (or copied there) starts from
#include <json/json.h>

#include <array>
#include <cstddef>
#include <limits>
#include <memory>
#include <string>
#include <vector>

class Component;
class GameObject;

class ObjectRecordAsRead
{
public:
  using ComponentSet = std::vector<Component*>;

  // The Transform members of an object's placement. Where an object stands, how it is turned and
  // how large it is belong to its level: a record holds them whatever its prefab says, so that
  // whatever is later saved into the prefab moves, turns or resizes no saved object, nor, through
  // it, its children.
  static constexpr std::array<const char*, 3> Placement{"position", "rotation", "scale"};
  // The place of records the file did not hold: after those it did.
  static constexpr std::size_t NotInFile = std::numeric_limits<std::size_t>::max();

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
  // A component entry that is not an object of members (the load refused it) keeps its text until
  // its component changes, and is then written afresh, as one added.
  static void WriteChanges(Json::Value& components, const Json::Value& before, const ComponentSet& now,
                           const Json::Value* prefabValues);

  // Gives `components` (a record's, an object or null) the object's value of each placement member
  // named that its "Transform" lacks; a "Transform" that is not an object of members is replaced.
  template <std::size_t Count>
  static void KeepPlacement(GameObject& object, Json::Value& components, const std::array<const char*, Count>& names)
  {
    KeepPlacement(object, components, names.data(), Count);
  }
  static void KeepPlacement(GameObject& object, Json::Value& components, const char* const* names, std::size_t count);
  // The placement members a record holds.
  static std::vector<const char*> PlacementIn(const Json::Value& record);

  // The object's components, in its order.
  static ComponentSet ComponentsOf(const GameObject& object);

  // An object made in the editor starts as if read from a record holding its name, prefab and
  // whole placement, with the values it holds once made and awake: a save writes what the
  // designer changes from then on, not what its components worked out as they woke. A copy starts
  // from the record it was built from (its original's as saved), so it saves as its original does.
  static std::unique_ptr<ObjectRecordAsRead> MadeNow(GameObject& object,
                                                     Json::Value builtFrom = Json::Value(Json::objectValue));

private:
  Json::Value record;
  Json::Value values;
  std::size_t index;
};
