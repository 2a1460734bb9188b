#include "object/PrefabFiles.h"

#include "core/FileUtilities.h"
#include "core/JsonFields.h"
#include "core/Log.h"
#include "object/Component.h"
#include "object/GameObject.h"
#include "object/GameobjectFactory.h"
#include "object/ObjectRecordAsRead.h"
#include "platform/Assert.h"

#include <cctype>
#include <map>
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

bool PrefabFiles::Save(GameobjectFactory& factory, const std::string& prefabName, GameObject& object) const
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
  ObjectRecordAsRead::ComponentSet components;
  for (const auto& [typeName, component] : object.GetComponents())
    components.push_back(component);
  // Over a prefab that exists, what the object holds as the prefab was read keeps its text.
  const ObjectRecordAsRead* asRead = factory.GetPrefabAsRead(prefabName);
  Json::Value definition = asRead != nullptr ? asRead->Record() : Json::Value(Json::objectValue);
  const Json::Value position = FieldOf(FieldOf(definition, "Transform"), "position");
  ObjectRecordAsRead::WriteChanges(definition, asRead != nullptr ? asRead->ValuesRead() : Json::Value(), components,
                                   nullptr);
  // Where the object stands belongs to its level: the prefab keeps its own position (none for a
  // new one), so that no object already saved at the prefab's position moves.
  if (definition.isMember("Transform") && definition["Transform"].isObject())
  {
    Json::Value& transform = definition["Transform"];
    if (position.isNull())
      transform.removeMember("position");
    else
      transform["position"] = position;
    if (transform.empty())
      transform = Json::Value();
  }
  Json::Value root;
  root[prefabName] = definition;
  const bool isNew = !factory.HasPrefab(prefabName);
  // A file that could not be written (reported) changes nothing: the object keeps its prefab.
  const bool saved = WriteJsonFile(root, PathOf(prefabName));
  if (!saved)
    return false;
  object.SetPrefabName(prefabName);
  if (isNew)
    LogWarning("Don't forget to save the level, so this object references the new prefab.");
  factory.ReLoadPrefabs();
  return saved;
}

bool PrefabFiles::SaveAll(GameobjectFactory& factory) const
{
  bool saved = true;
  for (const std::string& prefabName : factory.GetPrefabNames())
  {
    ObjectRecordAsRead::ComponentSet templates;
    for (const auto& [componentFactory, templateComponent] : factory.GetPrefab(prefabName))
      templates.push_back(templateComponent);
    const ObjectRecordAsRead* asRead = factory.GetPrefabAsRead(prefabName);
    Json::Value definition = asRead != nullptr ? asRead->Record() : Json::Value(Json::objectValue);
    ObjectRecordAsRead::WriteChanges(definition, asRead != nullptr ? asRead->ValuesRead() : Json::Value(), templates,
                                     nullptr);
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
    Json::Value root;
    root[prefabName] = definition;
    saved = WriteJsonFile(root, PathOf(prefabName)) && saved;
  }
  return saved;
}
