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
// One prefab, one file: a prefab is written back into the file it was read from, beside the other
// prefabs that file holds now; a new one into the file named after it. A save that would replace
// what a file holds and was never loaded (a file that cannot be read, another prefab in the file a
// new name gives), or write a file that is gone since it was read (renamed, it would define the
// prefab twice; removed, it would come back), is refused with an "[ERROR]" and writes nothing.
// Both change only what changed since the prefab was read (object/ObjectRecordAsRead.h), and no
// failure inside ends the program.
#include <json/json.h>

#include <string>
#include <vector>

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

  // Makes the object the definition of the prefab: over a prefab that exists, its definition as
  // read with what the object's designer set (object/ObjectAsDesigned.h) where it differs, and the
  // prefab's own Transform as it was, so that no object placed by the prefab moves (a "[WARNING]"
  // names the object's rotation or scale that differed); for a new one, what differs from the
  // defaults, with the object's rotation and scale on screen but no position.
  // Reloads the prefabs and returns whether the file was written; the object takes the prefab
  // only then.
  bool Save(GameobjectFactory& factory, const std::string& prefabName, GameObject& object) const;

  // Writes every prefab whose templates changed since they were read into its file; no reload.
  // False when a file was not written (each reported); the others are written all the same.
  bool SaveAll(GameobjectFactory& factory) const;

  // The file named after a prefab: <directory><name without whitespace>.prefab.
  std::string PathOf(const std::string& prefabName) const;
  // The file a prefab is written to: the one of this folder it was read from, else PathOf.
  std::string FileOf(const GameobjectFactory& factory, const std::string& prefabName) const;

private:
  bool SaveOne(GameobjectFactory& factory, const std::string& prefabName, GameObject& object) const;
  bool SaveChanged(GameobjectFactory& factory) const;
  // What the file holds now, for the prefabs `saved` to be written into it beside the others.
  // False, after an "[ERROR]", when writing it would lose what it holds: it cannot be read (the
  // load skipped it, or it changed since), or it holds prefabs and one of `saved` was not read
  // from it; or when one of `saved` was read from it and it is gone.
  bool ReadFileToSaveInto(const GameobjectFactory& factory, const std::string& path,
                          const std::vector<std::string>& saved, Json::Value& root) const;
  // The prefab file of this folder that defines the prefab now (one renamed since the load), or
  // empty; files that cannot be read are passed over.
  std::string FileDefining(const std::string& prefabName) const;

  std::string directory;
};
