#include "app/SessionSettings.h"

#include "core/FileUtilities.h"
#include "core/GuardedSave.h"
#include "core/JsonFields.h"
#include "core/Log.h"
#include "platform/Assert.h"
#include "platform/Paths.h"

#include <filesystem>

namespace
{
// People annotate both settings files, and the program writes them back: their comments are read
// and kept.
constexpr JsonComments SettingsComments = JsonComments::Kept;

// Asked of the file system, not by opening it: opening a pipe waits for a writer.
bool FileExists(const std::string& path)
{
  std::error_code error;
  return std::filesystem::exists(NormalizePath(path), error);
}

// A new value in place of the old, which keeps the comments a person wrote on it (an assignment
// would drop them).
void Replace(Json::Value& setting, Json::Value value)
{
  setting.swapPayload(value);
}

// A setting goes into the document when it is there already or differs from what its absence
// means, so a file that leaves a setting out is not rewritten only to spell out the default.
template <typename T>
void PutSetting(Json::Value& document, const char* key, const T& value, const T& whenAbsent, bool always = false)
{
  if (always || document.isMember(key) || value != whenAbsent)
    Replace(document[key], Json::Value(value));
}

// ReadJsonFile already reports a parse error; a document that is not an object is reported here.
bool ReadObjectFile(Json::Value& root, const std::string& path, JsonComments comments)
{
  Json::Value parsed;
  if (!ReadJsonFile(parsed, path, nullptr, comments))
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
  if (!ReadObjectFile(gameSettings, path, SettingsComments))
    return false;
  gameSettingsReadable = true;
  gameSettingsAsRead = gameSettings;

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
    editorSettingsAsRead = Json::Value(Json::objectValue);
    editorSettingsReadable = true;
    return true;
  }
  if (!ReadObjectFile(editorSettings, path, SettingsComments))
    return false;
  editorSettingsReadable = true;
  editorSettingsAsRead = editorSettings;
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
    saved = GuardedSave(GameSettingsPath(), [this] {
      PutSetting(gameSettings, "firstLevel", firstLevel, std::string("brackwater"));
      // Only a value that changed is written, so the file keeps the numbers as they were typed.
      for (const auto& [layer, ambient] : lighting)
      {
        Json::Value& entry = gameSettings["lighting"][layer];
        if (!entry.isNumeric() || entry.asFloat() != ambient)
          Replace(entry, Json::Value(ambient));
      }
      return WriteIfChanged(gameSettings, gameSettingsAsRead, GameSettingsPath(), SettingsComments);
    }) && saved;
  }
  else
  {
    LogError(GameSettingsPath(), " was not read, so it is not written over.");
    saved = false;
  }
  if (editorSettingsReadable)
  {
    saved = GuardedSave(EditorSettingsPath(), [this] {
      // A file not there yet is written whole.
      if (!editorSettings.isObject())
        editorSettings = Json::Value(Json::objectValue);
      const bool newFile = editorSettingsAsRead.empty();
      PutSetting(editorSettings, "currentlyEditing", currentLevel, std::string("brackwater"), newFile);
      PutSetting(editorSettings, "showDebugView", showDebugView, false, newFile);
      PutSetting(editorSettings, "showConsole", showConsole, false, newFile);
      PutSetting(editorSettings, "startInEditMode", startInEditMode, false, newFile);
      return WriteIfChanged(editorSettings, editorSettingsAsRead, EditorSettingsPath(), SettingsComments);
    }) && saved;
  }
  else
  {
    LogError(EditorSettingsPath(), " was not read, so it is not written over.");
    saved = false;
  }
  return saved;
}

bool SessionSettings::WriteIfChanged(const Json::Value& document, Json::Value& asOnDisk, const std::string& path,
                                     JsonComments comments)
{
  // A session that changed nothing leaves the file alone: no diff on a committed file, and a
  // file made read-only is not even tried.
  if (document == asOnDisk)
    return true;
  if (!WriteJsonFile(document, path, comments))
    return false;
  asOnDisk = document;
  return true;
}

void SessionSettings::SetEditorCamera(const std::string& level, const Json::Value& serializedTransform)
{
  // A camera that never left its starting place has nothing to remember: no record is made for it.
  const Json::Value& members = FieldOf(serializedTransform, "Transform");
  const Json::Value& cameraSettings = FieldOf(editorSettings, "CameraSettings");
  if (members.isNull() && FieldOf(cameraSettings, level.c_str()).isNull())
    return;
  if (!editorSettings.isObject())
    editorSettings = Json::Value(Json::objectValue);
  Json::Value& cameras = editorSettings["CameraSettings"];
  if (!cameras.isObject())
    Replace(cameras, Json::Value(Json::objectValue));
  Replace(cameras[level], serializedTransform);
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
