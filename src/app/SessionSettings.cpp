#include "app/SessionSettings.h"

#include "core/FileUtilities.h"
#include "platform/Assert.h"
#include "platform/Paths.h"

#include <fstream>
#include <iostream>

namespace
{
bool FileExists(const std::string& path)
{
  return static_cast<bool>(std::ifstream(NormalizePath(path)));
}

void ReportWrongType(const std::string& path, const std::string& key, const char* expected)
{
  std::cout << "[ERROR] In " << path << ", \"" << key << "\" should be " << expected << "; the default is used."
            << std::endl;
}

std::string ReadString(const Json::Value& root, const std::string& path, const char* key, const std::string& fallback)
{
  const Json::Value& value = root[key];
  if (value.isNull())
    return fallback;
  if (!value.isString())
  {
    ReportWrongType(path, key, "a string");
    return fallback;
  }
  return value.asString();
}

bool ReadBool(const Json::Value& root, const std::string& path, const char* key, bool fallback)
{
  const Json::Value& value = root[key];
  if (value.isNull())
    return fallback;
  if (!value.isBool())
  {
    ReportWrongType(path, key, "true or false");
    return fallback;
  }
  return value.asBool();
}

// ReadJsonFile already reports a parse error; a document that is not an object is reported here.
bool ReadObjectFile(Json::Value& root, const std::string& path)
{
  Json::Value parsed;
  if (!ReadJsonFile(parsed, path))
    return false;
  if (!parsed.isObject())
  {
    std::cout << "[ERROR] Error parsing json file: " << path << std::endl;
    std::cout << "Error: " << std::endl;
    std::cout << "the settings must be one JSON object" << std::endl;
    return false;
  }
  root = std::move(parsed);
  return true;
}
}  // namespace

SessionSettings::SessionSettings(std::string settingsDirectory) : directory(std::move(settingsDirectory))
{
}

bool SessionSettings::Load(const AmbientSetter& setAmbient)
{
  firstLevel = "brackwater";
  currentLevel = "introlevel";
  showDebugView = false;
  showConsole = false;
  startInEditMode = false;
  return LoadGameSettings(setAmbient) && LoadEditorSettings();
}

bool SessionSettings::LoadGameSettings(const AmbientSetter& setAmbient)
{
  const std::string path = GameSettingsPath();
  gameSettingsReadable = false;
  if (!FileExists(path))
  {
    Assert("Could not open game settings file", __LINE__, __FILE__, "GameSession::LoadSettings");
    return false;
  }
  if (!ReadObjectFile(gameSettings, path))
    return false;
  gameSettingsReadable = true;

  firstLevel = ReadString(gameSettings, path, "firstLevel", "brackwater");
  const Json::Value& lighting = gameSettings["lighting"];
  if (!lighting.isNull() && !lighting.isObject())
    ReportWrongType(path, "lighting", "an object of layer names and numbers");
  else if (lighting.isObject())
  {
    for (const std::string& layer : lighting.getMemberNames())
    {
      const Json::Value& value = lighting[layer];
      if (!value.isNumeric())
      {
        ReportWrongType(path, "lighting/" + layer, "a number");
        continue;
      }
      if (!setAmbient || !setAmbient(layer, value.asFloat()))
        std::cout << "[WARNING] Found ambient light value for layer " << layer << ", but layer is not loaded"
                  << std::endl;
    }
  }
  return true;
}

bool SessionSettings::LoadEditorSettings()
{
  const std::string path = EditorSettingsPath();
  editorSettingsReadable = false;
  if (!FileExists(path))
  {
    // No editor settings yet: the defaults stay, and the first save creates the file.
    editorSettings = Json::Value();
    editorSettingsReadable = true;
    return true;
  }
  if (!ReadObjectFile(editorSettings, path))
    return false;
  editorSettingsReadable = true;
  currentLevel = ReadString(editorSettings, path, "currentlyEditing", "brackwater");
  showDebugView = ReadBool(editorSettings, path, "showDebugView", false);
  showConsole = ReadBool(editorSettings, path, "showConsole", false);
  startInEditMode = ReadBool(editorSettings, path, "startInEditMode", false);
  return true;
}

bool SessionSettings::Save()
{
  bool saved = true;
  // The loaded "lighting" object stays in the document untouched: the file is its only source.
  if (gameSettingsReadable)
  {
    gameSettings["firstLevel"] = firstLevel;
    saved = WriteJsonFile(gameSettings, GameSettingsPath()) && saved;
  }
  else
  {
    std::cout << "[ERROR] " << GameSettingsPath() << " was not read, so it is not written over." << std::endl;
    saved = false;
  }
  if (editorSettingsReadable)
  {
    editorSettings["currentlyEditing"] = currentLevel;
    editorSettings["showDebugView"] = showDebugView;
    editorSettings["showConsole"] = showConsole;
    editorSettings["startInEditMode"] = startInEditMode;
    saved = WriteJsonFile(editorSettings, EditorSettingsPath()) && saved;
  }
  else
  {
    std::cout << "[ERROR] " << EditorSettingsPath() << " was not read, so it is not written over." << std::endl;
    saved = false;
  }
  return saved;
}

void SessionSettings::SetEditorCamera(const std::string& level, const Json::Value& serializedTransform)
{
  if (!editorSettings.isObject())
    editorSettings = Json::Value(Json::objectValue);
  Json::Value& cameras = editorSettings["CameraSettings"];
  if (!cameras.isObject())
    cameras = Json::Value(Json::objectValue);
  cameras[level] = serializedTransform;
}

Json::Value SessionSettings::GetEditorCamera(const std::string& level) const
{
  if (!editorSettings.isObject())
    return Json::Value();
  const Json::Value& cameras = editorSettings["CameraSettings"];
  if (!cameras.isObject() || !cameras[level].isObject())
    return Json::Value();
  return cameras[level]["Transform"];
}
