#pragma once
// The parenting pass of a level load: every object listed under a record's "children" becomes the
// child of that record's object. Linking only links: the child's stored values are from then on
// relative to its parent.
//
// A file written by hand can list an object under two parents, under itself, or in a cycle. What
// is linked then must not hang on the order of the records: a save writes the objects added since
// the load in name order, and the next load has to give the same hierarchy. So:
//   - an object listed under several parents goes to the one listed last in the file (reported);
//     the earlier entries are dropped, as the save would write the object under that parent only;
//   - where the parents that remain form a cycle, the object of the cycle whose name comes first
//     (of equal names, the one read first) is not made a child, and the rest of the cycle is linked;
//   - an entry that links nothing (no integer "who", a "who" that names no built object, the object
//     itself, the link that would close a cycle) is reported and kept by its parent, as it was read,
//     for the next save.
#include "core/Handle.h"
#include "object/ObjectRecordReader.h"

#include <json/json.h>

#include <cstddef>
#include <string>
#include <unordered_map>
#include <vector>

class GameObject;

class LevelParenting
{
public:
  // The objects built by the load in the order of their records, filed by uuid; `path` names the
  // file in the reports. Lives for one load: nothing is destroyed meanwhile.
  LevelParenting(const std::vector<Handle<GameObject>>& built, const ObjectRecordReader::UuidMap& uuids,
                 std::string path);

  // The "children" of one built object's record, records in file order.
  void Read(GameObject& parent, const Json::Value& children);
  // Links what was read, then hands each parent the entries that linked nothing.
  void Link();

private:
  struct Entry
  {
    GameObject* parent;
    GameObject* child;  // null when the entry names no built object
    const Json::Value* entry;
  };

  bool NameComesFirst(const GameObject* one, const GameObject* other) const;
  // Marks, in every cycle the winning entries form, the entry of the cycle's first object by name.
  void BreakCycles(std::vector<bool>& refused) const;

  const ObjectRecordReader::UuidMap& uuids;
  std::string path;
  std::unordered_map<const GameObject*, std::size_t> readOrder;
  // Every entry read, in file order.
  std::vector<Entry> entries;
  // For each child, the entry that links it: the last one naming it.
  std::unordered_map<const GameObject*, std::size_t> winners;
};
