#pragma once
// An object's components as its designer made them, apart from the object and never woken: the
// templates of the prefab its record was read (or made) under, the values the record gave, and
// every member changed since. What the components worked out as they woke is not in them, so a
// save that compares them with a prefab's templates, which never woke either, writes only what
// someone set. An object with no record as read gives its own components as they are.
#include "object/ObjectRecordAsRead.h"

class GameObject;
class GameobjectFactory;

class ObjectAsDesigned
{
public:
  ObjectAsDesigned(const GameobjectFactory& factory, GameObject& object);
  ~ObjectAsDesigned();
  ObjectAsDesigned(const ObjectAsDesigned&) = delete;
  ObjectAsDesigned& operator=(const ObjectAsDesigned&) = delete;

  // In the order of the object's components; valid while this lives.
  const ObjectRecordAsRead::ComponentSet& Components() const { return components; }

private:
  ObjectRecordAsRead::ComponentSet components;
  // The ones made here, deleted with this.
  ObjectRecordAsRead::ComponentSet made;
};
