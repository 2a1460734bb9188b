#pragma once
// What one record of a level file held that its object could not take, kept so that a save gives
// it back as it was: a component of a type the program does not know, a member no component has
// (both perhaps from a newer or older version of the game), a value a member refused (a position
// of 1e39), and child entries that linked nothing. Without it the first save after a load would
// drop all of these from the file, silently.
//
//   Keep...     while the record is read (object/ObjectRecordReader.h, Component::Deserialize)
//   MergeInto   while the object is written (object/ObjectRecordWriter.h)
#include <json/json.h>

#include <functional>
#include <memory>
#include <string>

class Component;
class GameObject;

class UnreadRecordParts
{
public:
  // A component type no factory makes, or a component value that is not an object: kept whole.
  void KeepComponent(const std::string& typeName, const Json::Value& value);
  // A member name the component does not have.
  void KeepMember(const std::string& typeName, const std::string& memberName, const Json::Value& value);
  // A value the member refused, and the member's own value that stayed instead: the file's value
  // is given back only while the member still holds that one, so a change made since is saved.
  void KeepRefusedValue(const std::string& typeName, const std::string& memberName, const Json::Value& value,
                        const Json::Value& valueInstead);
  // An entry of "children" that made no object a child of this one.
  void KeepChild(const Json::Value& entry);
  // The kept entries, in file order (an empty array when there are none).
  const Json::Value& KeptChildren() const;

  // Empty costs nothing to make or keep: every object of a level has one.
  bool IsEmpty() const { return parts == nullptr; }

  // Puts the kept parts back into the object's freshly written record (a record written as read
  // holds them already). Members of a component the object no longer has go with it; a whole
  // component goes back only where the written record has no entry of that type.
  void MergeInto(GameObject& object, Json::Value& record) const;

private:
  using ComponentFinder = std::function<Component*(const std::string& typeName)>;
  void MergeComponentsInto(const ComponentFinder& find, Json::Value& components) const;

  struct Parts
  {
    Json::Value wholeComponents;  // type -> the file's value
    Json::Value members;          // type -> member -> the file's value
    Json::Value valuesInstead;    // type -> member -> the member's value when it refused the file's
    Json::Value children;         // the entries, in file order
  };
  Parts& Made();

  std::unique_ptr<Parts> parts;
};
