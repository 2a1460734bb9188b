#include "object/PrefabFiles.h"

#include "core/FileUtilities.h"
#include "core/GuardedSave.h"
#include "core/JsonFields.h"
#include "core/Log.h"
#include "object/Component.h"
#include "object/GameObject.h"
#include "object/GameobjectFactory.h"
#include "object/ObjectAsDesigned.h"
#include "object/ObjectRecordAsRead.h"
#include "object/Transform.h"
#include "platform/Assert.h"

#include <cctype>
#include <glm/trigonometric.hpp>
#include <iomanip>
#include <map>
#include <sstream>
#include <vector>

namespace
{
std::string Quoted(const std::string& text)
{
  return "\"" + text + "\"";
}

// What is wrong with the shape of a prefab file, or empty when it is a set of prefab definitions.
std::string ShapeProblem(const Json::Value& root)
{
  if (!root.isObject())
    return "the file is not a JSON object of prefabs";
  for (const std::string& prefabName : root.getMemberNames())
  {
    const Json::Value& definition = root[prefabName];
    if (!definition.isNull() && !definition.isObject())
      return "the prefab " + Quoted(prefabName) + " is not an object of components";
    if (definition.isNull())
      continue;
    for (const std::string& typeName : definition.getMemberNames())
    {
      const Json::Value& members = definition[typeName];
      if (!members.isNull() && !members.isObject())
        return "the component " + Quoted(typeName) + " of the prefab " + Quoted(prefabName) +
               " is neither null nor an object of members";
    }
  }
  return "";
}

// A prefab name becomes a file name: one that could lead out of the prefab folder is refused.
bool StaysInFolder(const std::string& prefabName)
{
  return prefabName.find('/') == std::string::npos && prefabName.find('\\') == std::string::npos &&
         prefabName.find("..") == std::string::npos;
}

void ReportUnsafeName(const std::string& prefabName)
{
  LogError("The prefab name ", Quoted(prefabName),
           " holds a path separator or \"..\"; a prefab file stays in its folder, so nothing was written.");
}

// A new prefab's Transform: how the object is turned and how large it is on screen, where they
// differ from the defaults (null when neither does).
Json::Value LookOf(GameObject& object)
{
  Transform* transform = object.GetTransform();
  if (transform == nullptr)
    return Json::Value();
  const Transform::Look worldLook = transform->GetWorldLook();
  Transform look;
  look.SetRotation(worldLook.rotation);
  look.SetScale(worldLook.scale);
  Json::Value parent;
  look.SerializeMembers(parent);
  return parent["Transform"];
}

// A number as the inspector shows it: three decimals at most, without the zeros that end them.
std::string Shown(float value)
{
  std::ostringstream text;
  text << std::fixed << std::setprecision(3) << value;
  std::string shown = text.str();
  shown.erase(shown.find_last_not_of('0') + 1);
  if (shown.back() == '.')
    shown.pop_back();
  return shown == "-0" ? "0" : shown;
}

std::string ShownRotation(float radians)
{
  return "rotation " + Shown(glm::degrees(radians)) + " degrees";
}

std::string ShownScale(glm::vec2 scale)
{
  return "scale [" + Shown(scale.x) + ", " + Shown(scale.y) + "]";
}

// A save over a prefab that exists keeps the prefab's own rotation and scale: where the object
// looks otherwise in the world than a top-level object of the prefab, the designer learns what
// was kept and where to change it.
void ReportKeptLook(const std::string& prefabName, const std::string& path,
                    const ObjectRecordAsRead::ComponentSet& prefab, GameObject& object)
{
  const Transform defaults;
  const Transform* kept = &defaults;
  for (const Component* component : prefab)
  {
    if (component->GetTypeId() == Transform::TypeId)
      kept = static_cast<const Transform*>(component);
  }
  const Transform* transform = object.GetTransform() != nullptr ? object.GetTransform() : &defaults;
  const Transform::Look look = transform->GetWorldLook();
  std::string prefabLook;
  std::string objectLook;
  const auto tell = [&](const std::string& prefabValue, const std::string& objectValue) {
    const std::string joint = prefabLook.empty() ? "" : " and ";
    prefabLook += joint + prefabValue;
    objectLook += joint + objectValue;
  };
  if (!Transform::SameAngleInWorld(look.rotation, kept->GetRotation()))
    tell(ShownRotation(kept->GetRotation()), ShownRotation(look.rotation));
  if (!Transform::SameInWorld(look.scale, kept->GetScale()))
    tell(ShownScale(kept->GetScale()), ShownScale(look.scale));
  if (!prefabLook.empty())
    LogWarning("The prefab ", Quoted(prefabName), " keeps its own ", prefabLook, " (the object has ", objectLook,
               "): a save to a prefab leaves the prefab's Transform as it was, so that no object placed by it turns "
               "or resizes. Change them in the Prefab Editor (View > Prefab Editor) or in ", path, ".");
}
}  // namespace

void PrefabFiles::Install(GameobjectFactory& factory) const
{
  const PrefabFiles files = *this;
  factory.SetPrefabLoader([files](GameobjectFactory& target) { files.Load(target); });
}

void PrefabFiles::Load(GameobjectFactory& factory) const
{
  // The files that defined each prefab during this load, for the duplicate report.
  std::map<std::string, std::vector<std::string>> definedIn;
  for (const std::string& path : GetFilesInDirectory(directory, "*.prefab"))
  {
    Json::Value root;
    if (!ReadJsonFile(root, path))
      continue;
    if (const std::string problem = ShapeProblem(root); !problem.empty())
    {
      LogError(path, ": ", problem, "; the file is skipped.");
      continue;
    }
    for (const std::string& prefabName : root.getMemberNames())
    {
      std::vector<std::string>& files = definedIn[prefabName];
      if (factory.HasPrefab(prefabName))
      {
        for (const std::string& earlier : files)
          Assert("Found multiple definitions for prefab : " + Quoted(prefabName) + ", the first definition was in " +
                     Quoted(earlier) + " and the second definition was found in : " + Quoted(path),
                 __LINE__, __FILE__, "GameobjectFactory::ReLoadPrefabs");
      }
      files.push_back(path);
      const Json::Value& definition = root[prefabName];
      // The factory's check reports an unknown key to the assertion handler; the file's reader
      // sees it on standard output as well, with the file it came from.
      for (const std::string& typeName : definition.isNull() ? std::vector<std::string>() : definition.getMemberNames())
      {
        if (factory.GetFactories().count(typeName) == 0)
          LogError(path, ": the prefab ", Quoted(prefabName), " names ", Quoted(typeName),
                   ", which is not a component; it is left out.");
      }
      factory.DefinePrefab(prefabName, definition.isNull() ? Json::Value(Json::objectValue) : definition, path);
    }
  }
}

std::string PrefabFiles::PathOf(const std::string& prefabName) const
{
  std::string fileName;
  for (const char character : prefabName)
  {
    if (!std::isspace(static_cast<unsigned char>(character)))
      fileName += character;
  }
  return directory + fileName + ".prefab";
}

std::string PrefabFiles::FileOf(const GameobjectFactory& factory, const std::string& prefabName) const
{
  const std::string& source = factory.GetPrefabSource(prefabName);
  const bool fileOfThisFolder = source.size() > directory.size() && source.compare(0, directory.size(), directory) == 0 &&
                                source.find_first_of("/\\", directory.size()) == std::string::npos;
  return fileOfThisFolder ? source : PathOf(prefabName);
}

std::string PrefabFiles::FileDefining(const std::string& prefabName) const
{
  for (const std::string& path : GetFilesInDirectory(directory, "*.prefab"))
  {
    std::string text;
    std::string problem;
    Json::Value root;
    if (ReadDataFile(path, text, problem) && StrictJsonReader::Parse(text, MaximumJsonDepth, root, problem) &&
        root.isObject() && root.isMember(prefabName))
      return path;
  }
  return "";
}

bool PrefabFiles::ReadFileToSaveInto(const GameobjectFactory& factory, const std::string& path,
                                     const std::vector<std::string>& saved, Json::Value& root) const
{
  std::string text;
  std::string problem;
  bool missing = false;
  Json::Value read;
  if (!ReadDataFile(path, text, problem, &missing))
  {
    if (missing)
    {
      // Renamed, the file would define the prefab again beside the one written here, at every start;
      // removed, it would come back against the will of whoever removed it.
      for (const std::string& prefabName : saved)
      {
        if (factory.GetPrefabSource(prefabName) != path)
          continue;
        const std::string renamed = FileDefining(prefabName);
        if (!renamed.empty())
          LogError("The prefab ", Quoted(prefabName), " was not saved: its file ", path,
                   " is gone since it was read, and ", renamed, " defines the prefab now, so a file written there "
                   "would define the prefab twice. Reload the prefabs, then save again.");
        else
          LogError("The prefab ", Quoted(prefabName), " was not saved: its file ", path,
                   " is gone since it was read (removed), and writing it would bring back a prefab that was taken "
                   "away. Reload the prefabs, then save the object as a new prefab if it is still wanted.");
        return false;
      }
      root = Json::Value(Json::objectValue);
      return true;
    }
  }
  else if (StrictJsonReader::Parse(text, MaximumJsonDepth, read, problem))
    problem = ShapeProblem(read);
  if (!problem.empty())
  {
    // One line: the parser says where on a line of its own.
    for (char& character : problem)
      character = character == '\n' ? ' ' : character;
    LogError("The prefab ", Quoted(saved.front()), " was not saved: its file ", path, " could not be read (", problem,
             "), and writing it would replace what it holds. Mend the file and reload the prefabs, or save under "
             "another name.");
    return false;
  }
  for (const std::string& prefabName : saved)
  {
    // A prefab not read from this file shares it with none: a name that differs only in blanks
    // ("Cargo Crate", "CargoCrate") must not replace the prefab that holds the file.
    if (factory.GetPrefabSource(prefabName) != path && !read.empty())
    {
      const std::vector<std::string> held = read.getMemberNames();
      std::string names;
      for (std::size_t index = 0; index < held.size(); ++index)
        names += (index == 0 ? "" : index + 1 == held.size() ? " and " : ", ") + Quoted(held[index]);
      LogError("The prefab ", Quoted(prefabName), " was not saved: its file ", path, " holds the prefab",
               held.size() == 1 ? " " : "s ", names, ", and ", Quoted(prefabName),
               " was not read from it. Save it under another name.");
      return false;
    }
  }
  root = std::move(read);
  return true;
}

bool PrefabFiles::Save(GameobjectFactory& factory, const std::string& prefabName, GameObject& object) const
{
  return GuardedSave("The prefab " + Quoted(prefabName), [&] { return SaveOne(factory, prefabName, object); });
}

bool PrefabFiles::SaveOne(GameobjectFactory& factory, const std::string& prefabName, GameObject& object) const
{
  // A name without a visible character would make the file ".prefab", a prefab nobody can pick.
  if (PathOf(prefabName) == PathOf(""))
  {
    LogError("A prefab needs a name to be saved; nothing was written.");
    return false;
  }
  if (!StaysInFolder(prefabName))
  {
    ReportUnsafeName(prefabName);
    return false;
  }
  const std::string path = FileOf(factory, prefabName);
  Json::Value root;
  if (!ReadFileToSaveInto(factory, path, {prefabName}, root))
    return false;
  // Over a prefab that exists, what did not change keeps its text; what the object holds is what
  // its designer set, not what its components worked out as they woke.
  const ObjectRecordAsRead* asRead = factory.GetPrefabAsRead(prefabName);
  Json::Value definition = asRead != nullptr ? asRead->Record() : Json::Value(Json::objectValue);
  const bool isNew = !factory.HasPrefab(prefabName);
  {
    const ObjectAsDesigned designed(factory, object);
    ObjectRecordAsRead::WriteChanges(definition, asRead != nullptr ? asRead->ValuesRead() : Json::Value(),
                                     designed.Components(), nullptr);
  }
  // Where the object stands, how it is turned and how large it is belong to its level. A prefab
  // that exists keeps its own placement, so that no object placed by it moves; a new one takes the
  // object's look on screen but no position, so that objects made from it look like it.
  if (asRead == nullptr)
    definition["Transform"] = LookOf(object);
  else if (asRead->Record().isMember("Transform"))
    definition["Transform"] = asRead->Record()["Transform"];
  else
    definition.removeMember("Transform");
  root[prefabName] = definition;
  // A file that could not be written (reported) changes nothing: the object keeps its prefab.
  if (!WriteJsonFile(root, path))
    return false;
  object.SetPrefabName(prefabName);
  if (isNew)
    LogWarning("Don't forget to save the level, so this object references the new prefab.");
  else
    ReportKeptLook(prefabName, path, factory.GetPrefabTemplates(prefabName), object);
  factory.ReLoadPrefabs();
  return true;
}

bool PrefabFiles::SaveAll(GameobjectFactory& factory) const
{
  return GuardedSave("The prefabs", [&] { return SaveChanged(factory); });
}

bool PrefabFiles::SaveChanged(GameobjectFactory& factory) const
{
  bool saved = true;
  // The prefabs to write, by the file each goes to: a file written once holds all of its own.
  std::map<std::string, std::vector<std::pair<std::string, Json::Value>>> byFile;
  for (const std::string& prefabName : factory.GetPrefabNames())
  {
    const ObjectRecordAsRead* asRead = factory.GetPrefabAsRead(prefabName);
    Json::Value definition = factory.GetPrefabDefinition(prefabName);
    // A prefab nobody changed keeps its file as it is.
    if (asRead != nullptr && definition == asRead->Record())
      continue;
    // A name read from a file can be anything; writing it back must not leave the folder.
    if (!StaysInFolder(prefabName))
    {
      ReportUnsafeName(prefabName);
      saved = false;
      continue;
    }
    byFile[FileOf(factory, prefabName)].emplace_back(prefabName, std::move(definition));
  }
  for (const auto& [path, prefabs] : byFile)
  {
    std::vector<std::string> names;
    for (const auto& [prefabName, definition] : prefabs)
      names.push_back(prefabName);
    Json::Value root;
    if (!ReadFileToSaveInto(factory, path, names, root))
    {
      saved = false;
      continue;
    }
    for (const auto& [prefabName, definition] : prefabs)
      root[prefabName] = definition;
    saved = WriteJsonFile(root, path) && saved;
  }
  return saved;
}
