#pragma once
// One reflected field of a component: its name (the JSON key and the inspector's label), whether
// files carry it, and, in MemberData<T>, how to show, write, read and compare it. A component's
// GetMembers builds a fresh list on demand; whoever asked for it frees it with Members::Clear.
#include <json/json.h>
#include <string>

class MemberBase
{
public:
  MemberBase(std::string memberName, bool isSerialized, bool isDisplayed);
  virtual ~MemberBase();
  MemberBase(const MemberBase&) = delete;
  MemberBase& operator=(const MemberBase&) = delete;

  // Draws the field's editor widget under the member's name.
  virtual void RenderEditor() = 0;
  // Writes the field into out; a member that writes nothing leaves out as it was (null).
  virtual void Serialize(Json::Value& out) const = 0;
  // Reads the field from in. Null leaves the field alone; a value of the wrong JSON kind is
  // reported with an "[ERROR]" line, leaves it alone too and returns false.
  virtual bool Deserialize(const Json::Value& in) = 0;
  // Compares this field with the field of `other`, a member of the same type at the same
  // position of another list built by the same class.
  virtual bool Equals(const MemberBase& other) const = 0;
  bool NotEquals(const MemberBase& other) const { return !Equals(other); }
  // Whether the field differs from the default declared when the member was registered.
  virtual bool HasChanged() const = 0;

  const std::string& GetName() const { return name; }
  bool IsSerialized() const { return serialized; }
  bool IsDisplayed() const { return displayed; }

private:
  bool serialized;
  bool displayed;
  std::string name;
};
