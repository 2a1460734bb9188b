#include "app/SessionSettings.h"

#include "core/FileUtilities.h"
#include "core/JsonFields.h"
#include "core/Log.h"
#include "platform/Assert.h"
#include "platform/Paths.h"

#include <fstream>

namespace
{
bool FileExists(const std::string& path)
{
  return static_cast<bool>(std::ifstream(NormalizePath(path)));
}

// ReadJsonFile already reports a parse error; a document that is not an object is reported here.
bool ReadObjectFile(Json::Value& root, const std::string& path)
{
  Json::Value parsed;
  if (!ReadJsonFile(parsed, path))
    return false;
  if (!parsed.isObject())
  {
    ReportJsonParseError(path, "the settings must be one JSON object");
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
  lighting.clear();
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

  ReadField(gameSettings, "firstLevel", firstLevel, path);
  const Json::Value& lightingEntries = FieldOf(gameSettings, "lighting");
  if (!lightingEntries.isNull() && !lightingEntries.isObject())
    ReportFieldProblem(path, "lighting", "expected an object of layer names and numbers", "it is ignored");
  else if (lightingEntries.isObject())
  {
    for (const std::string& layer : lightingEntries.getMemberNames())
    {
      float ambient = 1.0f;
      if (!ReadRequiredField(lightingEntries, layer.c_str(), ambient, path + " \"lighting\"", "the layer keeps its light"))
        continue;
      if (!setAmbient || !setAmbient(layer, ambient))
        LogWarning("Found ambient light value for layer ", layer, ", but layer is not loaded");
      else
        lighting[layer] = ambient;
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
  currentLevel = "brackwater";
  ReadField(editorSettings, "currentlyEditing", currentLevel, path);
  ReadField(editorSettings, "showDebugView", showDebugView, path);
  ReadField(editorSettings, "showConsole", showConsole, path);
  ReadField(editorSettings, "startInEditMode", startInEditMode, path);
  return true;
}

bool SessionSettings::Save()
{
  bool saved = true;
  if (gameSettingsReadable)
  {
    gameSettings["firstLevel"] = firstLevel;
    // Only a value that changed is written, so the file keeps the numbers as they were typed.
    for (const auto& [layer, ambient] : lighting)
    {
      Json::Value& entry = gameSettings["lighting"][layer];
      if (!entry.isNumeric() || entry.asFloat() != ambient)
        entry = ambient;
    }
    saved = WriteJsonFile(gameSettings, GameSettingsPath()) && saved;
  }
  else
  {
    LogError(GameSettingsPath(), " was not read, so it is not written over.");
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
    LogError(EditorSettingsPath(), " was not read, so it is not written over.");
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
