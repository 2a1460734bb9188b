#pragma once
// The two run-time configuration files: "GameSettings" (the first level and the ambient light of
// the draw layers) and "EditorSettings" (the level being edited, the editor's view flags, whether
// to start in the editor, and the editor camera per level).
//
// Both documents are kept whole and written back whole, so keys the program does not know survive
// a save, and so do the comments in them. A document that could not be read is never written
// over: its file stays as the user left it.
#include "core/StrictJsonReader.h"

#include <json/json.h>

#include <functional>
#include <map>
#include <string>

class SessionSettings
{
public:
  // `directory` holds both files, with a trailing separator.
  explicit SessionSettings(std::string directory = "Assets/");

  // Sets a draw layer's ambient light; false when no layer of that name is loaded.
  using AmbientSetter = std::function<bool(const std::string& layer, float ambient)>;

  // Reads both files. False when the program cannot go on: the game settings are missing or
  // either file is not valid JSON (the reason has been reported). A missing editor settings file
  // is normal and keeps the defaults.
  bool Load(const AmbientSetter& setAmbient);
  // Copies the fields into the documents and writes both files safely; a document that equals the
  // file's is not written. False when a file was not written (reported); no failure inside ends
  // the program (core/GuardedSave.h).
  bool Save();

  // Files the editor camera of a level: `serializedTransform` is {"Transform": {members}}.
  // Nothing is written until Save.
  void SetEditorCamera(const std::string& level, const Json::Value& serializedTransform);
  // The "Transform" members filed for a level, or null when there are none.
  Json::Value GetEditorCamera(const std::string& level) const;

  const Json::Value& GameSettings() const { return gameSettings; }
  const Json::Value& EditorSettings() const { return editorSettings; }
  std::string GameSettingsPath() const { return directory + "GameSettings"; }
  std::string EditorSettingsPath() const { return directory + "EditorSettings"; }

  std::string firstLevel = "brackwater";
  std::string currentLevel = "introlevel";
  bool showDebugView = false;
  bool showConsole = false;
  bool startInEditMode = false;
  // The ambient light of each draw layer named under "lighting" (the editor's ambience sliders
  // change it); Save writes back the values that changed.
  std::map<std::string, float> lighting;

private:
  bool LoadGameSettings(const AmbientSetter& setAmbient);
  bool LoadEditorSettings();
  // Writes the document unless it equals what the file holds (as read or last written).
  static bool WriteIfChanged(const Json::Value& document, Json::Value& asOnDisk, const std::string& path,
                             JsonComments comments);

  std::string directory;
  Json::Value gameSettings;
  Json::Value editorSettings;
  Json::Value gameSettingsAsRead;
  Json::Value editorSettingsAsRead;
  bool gameSettingsReadable = false;
  bool editorSettingsReadable = false;
};
