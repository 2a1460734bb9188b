#pragma once
// The prefab files of one folder: reading them all into the game-object factory's prefabs, and
// writing one prefab, or all of them, back. A prefab file is a JSON object whose members each
// define one prefab: prefab name -> { component type name -> null or { member -> value } }.
//
//   Install     makes this folder the factory's source of prefabs (ReLoadPrefabs reads it)
//   Load        defines every prefab of every *.prefab file, in file-name order
//   Save        makes an object the definition of a prefab and writes its file, then reloads
//   SaveAll     writes every prefab whose templates changed back to its file
//
// Both change only what changed since the prefab was read (object/ObjectRecordAsRead.h).
#include <string>

class GameObject;
class GameobjectFactory;

class PrefabFiles
{
public:
  static constexpr const char* DefaultDirectory = "Assets/Prefabs/";

  // The directory ends with a separator.
  explicit PrefabFiles(std::string prefabDirectory = DefaultDirectory) : directory(std::move(prefabDirectory)) {}

  void Install(GameobjectFactory& factory) const;

  // A file that is not valid JSON or not made of prefab definitions is skipped as a whole with an
  // "[ERROR]" line. A prefab defined twice is reported with both files and the later one wins;
  // a component key that names no component is reported and skipped.
  void Load(GameobjectFactory& factory) const;

  // Writes <directory><name without whitespace>.prefab: over a prefab that exists, its definition
  // with the members the object holds otherwise; for a new one, the members that differ from their
  // defaults. The prefab keeps its own position. Reloads the prefabs and returns whether the file
  // was written.
  bool Save(GameobjectFactory& factory, const std::string& prefabName, GameObject& object) const;

  // Writes every prefab whose templates changed since they were read to the file named after it;
  // no reload. False when a file was not written (each reported); the others are written all the
  // same.
  bool SaveAll(GameobjectFactory& factory) const;

  // The file a prefab is written to.
  std::string PathOf(const std::string& prefabName) const;

private:
  std::string directory;
};
