#include "app/SessionSettings.h"

#include "core/FileUtilities.h"
#include "support/CapturedLog.h"
#include "support/RecordingAssertHandler.h"
#include "support/TemporaryDirectory.h"

#include <gtest/gtest.h>

#include <map>

namespace
{
// Draw layers as the renderer would know them.
struct Layers
{
  std::map<std::string, float> ambient{{"DL_MAIN", 1.0f}, {"DL_FLOOR", 1.0f}};
  SessionSettings::AmbientSetter Setter()
  {
    return [this](const std::string& layer, float value) {
      auto found = ambient.find(layer);
      if (found == ambient.end())
        return false;
      found->second = value;
      return true;
    };
  }
};
}  // namespace

TEST(SessionSettingsTest, ShippedFilesLoad)
{
  SessionSettings settings;
  Layers layers;
  CapturedLog output;
  ASSERT_TRUE(settings.Load(layers.Setter()));
  EXPECT_EQ("splash", settings.firstLevel);
  EXPECT_EQ("brackwater", settings.currentLevel) << "the level the editor works on";
  EXPECT_FALSE(settings.startInEditMode);
  EXPECT_FLOAT_EQ(0.95f, layers.ambient["DL_MAIN"]);
  EXPECT_FALSE(output.Contains("[ERROR]"));
}

TEST(SessionSettingsTest, ValuesDefaultsAndUnknownLayers)
{
  TemporaryDirectory directory;
  directory.Write("GameSettings", R"({"lighting": {"DL_MAIN": 0.5, "Nowhere": 0.2}})");
  directory.Write("EditorSettings", R"({"showConsole": true, "startInEditMode": true})");
  SessionSettings settings(directory.Prefix());
  Layers layers;
  CapturedLog output;
  ASSERT_TRUE(settings.Load(layers.Setter()));
  EXPECT_EQ("brackwater", settings.firstLevel);
  EXPECT_EQ("brackwater", settings.currentLevel) << "key absent from an existing file";
  EXPECT_TRUE(settings.showConsole);
  EXPECT_FALSE(settings.showDebugView);
  EXPECT_TRUE(settings.startInEditMode);
  EXPECT_FLOAT_EQ(0.5f, layers.ambient["DL_MAIN"]);
  EXPECT_TRUE(output.Contains("[WARNING] Found ambient light value for layer Nowhere, but layer is not loaded\n"));
}

TEST(SessionSettingsTest, MissingEditorSettingsKeepTheDefaultsAndTheFirstSaveCreatesThem)
{
  TemporaryDirectory directory;
  directory.Write("GameSettings", R"({"firstLevel": "introlevel", "future": [1, 2]})");
  SessionSettings settings(directory.Prefix());
  CapturedLog output;
  ASSERT_TRUE(settings.Load({}));
  EXPECT_EQ("introlevel", settings.firstLevel);
  EXPECT_EQ("introlevel", settings.currentLevel);
  EXPECT_FALSE(settings.startInEditMode || settings.showConsole || settings.showDebugView);
  EXPECT_TRUE(settings.GetEditorCamera("brackwater").isNull());

  settings.showDebugView = true;
  settings.currentLevel = "bossroom";
  Json::Value camera;
  camera["Transform"]["position"][0] = 10.0;
  camera["Transform"]["position"][1] = -4.0;
  settings.SetEditorCamera("bossroom", camera);
  ASSERT_TRUE(settings.Save());

  Json::Value game, editor;
  ASSERT_TRUE(ReadJsonFile(game, directory.File("GameSettings")));
  ASSERT_TRUE(ReadJsonFile(editor, directory.File("EditorSettings")));
  EXPECT_EQ(2u, game["future"].size()) << "unknown keys survive a save";
  EXPECT_EQ("bossroom", editor["currentlyEditing"].asString());
  EXPECT_TRUE(editor["showDebugView"].asBool());
  EXPECT_EQ(10.0, editor["CameraSettings"]["bossroom"]["Transform"]["position"][0].asDouble());

  SessionSettings reloaded(directory.Prefix());
  ASSERT_TRUE(reloaded.Load({}));
  EXPECT_EQ(-4.0, reloaded.GetEditorCamera("bossroom")["position"][1].asDouble());
  EXPECT_TRUE(reloaded.showDebugView);
}

TEST(SessionSettingsTest, MissingOrMalformedFilesStopWithoutTouchingThem)
{
  RecordingAssertHandler asserts;
  {
    TemporaryDirectory directory;
    SessionSettings settings(directory.Prefix());
    CapturedLog output;
    EXPECT_FALSE(settings.Load({}));
    EXPECT_TRUE(asserts.Saw("Could not open game settings file"));
    EXPECT_FALSE(settings.Save());
    EXPECT_FALSE(std::filesystem::exists(directory.File("GameSettings")));
  }
  // Broken JSON, roots of the wrong kind, text after the value, and bytes that are not UTF-8 (a save
  // would drop the one and change the other).
  for (const char* broken : {"{\"firstLevel\": ", "[1, 2]", "\"text\"", "{\"firstLevel\": \"a\"} x",
                             "{\"firstLevel\": \"Caf\xE9 l\"}"})
  {
    TemporaryDirectory directory;
    directory.Write("GameSettings", broken);
    SessionSettings settings(directory.Prefix());
    CapturedLog output;
    EXPECT_FALSE(settings.Load({})) << broken;
    EXPECT_TRUE(output.Contains("[ERROR] Error parsing json file: ")) << broken;
    settings.Save();
    EXPECT_EQ(broken, directory.Read("GameSettings")) << "the user's file is left as it was";
  }
  {
    TemporaryDirectory directory;
    directory.Write("GameSettings", "{}");
    directory.Write("EditorSettings", "{\"showConsole\": tru}");
    SessionSettings settings(directory.Prefix());
    CapturedLog output;
    EXPECT_FALSE(settings.Load({}));
    EXPECT_TRUE(output.Contains("[ERROR] Error parsing json file: "));
    EXPECT_FALSE(settings.Save());
    EXPECT_EQ("{\"showConsole\": tru}", directory.Read("EditorSettings"));
  }
}

TEST(SessionSettingsTest, WrongTypesAreReportedAndDefaulted)
{
  TemporaryDirectory directory;
  directory.Write("GameSettings", R"({"firstLevel": {"a": 1}, "lighting": {"DL_MAIN": "bright", "DL_FLOOR": 0.3}})");
  directory.Write("EditorSettings", R"({"currentlyEditing": 7, "showConsole": "yes", "CameraSettings": 3})");
  SessionSettings settings(directory.Prefix());
  Layers layers;
  CapturedLog output;
  ASSERT_TRUE(settings.Load(layers.Setter()));
  EXPECT_EQ("brackwater", settings.firstLevel);
  EXPECT_EQ("brackwater", settings.currentLevel);
  EXPECT_FALSE(settings.showConsole);
  EXPECT_FLOAT_EQ(1.0f, layers.ambient["DL_MAIN"]);
  EXPECT_FLOAT_EQ(0.3f, layers.ambient["DL_FLOOR"]);
  EXPECT_EQ(4u, output.CountOf("[ERROR] In "));
  EXPECT_TRUE(settings.GetEditorCamera("brackwater").isNull());
  Json::Value camera;
  camera["Transform"]["rotation"] = 1.5;
  settings.SetEditorCamera("brackwater", camera);
  EXPECT_EQ(1.5, settings.GetEditorCamera("brackwater")["rotation"].asDouble());
}

// People annotate the game settings: the comments are read (other settings stay strict) and every
// save writes them back where they stood, the one on a changed value too.
TEST(SessionSettingsTest, GameSettingsKeepTheirCommentsThroughEverySave)
{
  TemporaryDirectory directory;
  const std::string typed = "// Settings of the game; the game writes this file back.\r\n"
                            "{\n"
                            "  // The level the game starts with.\n"
                            "  \"firstLevel\": \"splash\", // was \"brackwater\"\n"
                            "  \"lighting\": {\n"
                            "    \"DL_MAIN\": 0.95, /* the room */ /* dim */\n"
                            "    \"DL_FLOOR\": 0.5\n"
                            "    /* more layers\n"
                            "       later */\n"
                            "  }\n"
                            "}\n"
                            "// end\n";
  directory.Write("GameSettings", typed);
  directory.Write("EditorSettings", "{\"showConsole\": true}");
  Layers layers;
  CapturedLog output;
  {
    SessionSettings settings(directory.Prefix());
    ASSERT_TRUE(settings.Load(layers.Setter())) << output.Text();
    EXPECT_EQ("splash", settings.firstLevel);
    EXPECT_FLOAT_EQ(0.5f, layers.ambient["DL_FLOOR"]);
    ASSERT_TRUE(settings.Save());
    EXPECT_EQ(typed, directory.Read("GameSettings")) << "nothing changed, nothing written";
    settings.firstLevel = "harbour";
    settings.lighting["DL_FLOOR"] = 0.25f;
    ASSERT_TRUE(settings.Save()) << output.Text();
  }
  const std::string saved = "// Settings of the game; the game writes this file back.\n"
                            "{\n"
                            "   // The level the game starts with.\n"
                            "   \"firstLevel\" : \"harbour\", // was \"brackwater\"\n"
                            "   \"lighting\" : {\n"
                            "      \"DL_FLOOR\" : 0.25,\n"
                            "      \"DL_MAIN\" : 0.95 /* the room */ /* dim */\n"
                            "   }\n"
                            "}\n"
                            "/* more layers\n"
                            "       later */\n"
                            "// end\n";
  EXPECT_EQ(saved, directory.Read("GameSettings"));
  {
    SessionSettings settings(directory.Prefix());
    ASSERT_TRUE(settings.Load(layers.Setter())) << output.Text();
    settings.firstLevel = "splash";
    ASSERT_TRUE(settings.Save());
  }
  std::string again = saved;
  again.replace(again.find("harbour"), 7, "splash");
  EXPECT_EQ(again, directory.Read("GameSettings"));
  EXPECT_FALSE(output.Contains("[ERROR]")) << output.Text();
}

// Both files are annotated alike. A "//" comment that ends in a blank once ran on into the next
// member when written back, and that setting was gone at the next start, unreported.
TEST(SessionSettingsTest, CommentsEndingInABlankKeepTheNextSettingInBothFiles)
{
  TemporaryDirectory directory;
  const std::string game = "{\n"
                           "   \"firstLevel\" : \"splash\",\n"
                           "   \"lighting\" : {\n"
                           "      \"DL_FLOOR\" : 0.45, // the floor, a little dim \n"
                           "      \"DL_MAIN\" : 0.95,\n"
                           "      \"DL_SHIPFRAME\" : 0.45\n"
                           "   }\n"
                           "}\n";
  const std::string editor = "// the editor's own \n"
                             "{\n"
                             "   \"currentlyEditing\" : \"brackwater\", // where I left off \n"
                             "   \"showConsole\" : true, /* for now */\n"
                             "   // the camera per level\n"
                             "   \"startInEditMode\" : false\n"
                             "}\n";
  directory.Write("GameSettings", game);
  directory.Write("EditorSettings", editor);
  CapturedLog output;
  {
    SessionSettings settings(directory.Prefix());
    ASSERT_TRUE(settings.Load({})) << output.Text();
    EXPECT_TRUE(settings.showConsole);
    settings.firstLevel = "bossroom";
    settings.currentLevel = "skirmish";
    ASSERT_TRUE(settings.Save()) << output.Text();
  }
  std::string gameSaved = game;
  gameSaved.replace(gameSaved.find("splash"), 6, "bossroom");
  std::string editorSaved = editor;
  editorSaved.replace(editorSaved.find("brackwater"), 10, "skirmish");
  EXPECT_EQ(gameSaved, directory.Read("GameSettings"));
  EXPECT_EQ(editorSaved, directory.Read("EditorSettings"));

  SessionSettings reloaded(directory.Prefix());
  Layers layers;
  ASSERT_TRUE(reloaded.Load(layers.Setter())) << output.Text();
  EXPECT_FLOAT_EQ(0.95f, layers.ambient["DL_MAIN"]);
  EXPECT_EQ("skirmish", reloaded.currentLevel);
  EXPECT_FALSE(output.Contains("[ERROR]")) << output.Text();
}

// Level names come from file names, which need not be UTF-8; two that differ only in such bytes
// would be written as one name twice, a file the next start refuses. The save is refused and the
// file kept as it was.
TEST(SessionSettingsTest, ASaveThatWouldNotReadBackKeepsTheOldFile)
{
  TemporaryDirectory directory;
  directory.Write("GameSettings", "{}");
  const std::string editor = "{\"CameraSettings\": {\"brackwater\": {\"Transform\": {\"rotation\": 1.5}}}}";
  directory.Write("EditorSettings", editor);
  SessionSettings settings(directory.Prefix());
  CapturedLog output;
  ASSERT_TRUE(settings.Load({}));
  Json::Value camera;
  camera["Transform"]["rotation"] = 0.5;
  settings.SetEditorCamera("lvl\xFF", camera);
  settings.SetEditorCamera("lvl\xFE", camera);
  EXPECT_FALSE(settings.Save());
  EXPECT_EQ(1u, output.CountOf("[ERROR] Failed to open file " + settings.EditorSettingsPath() +
                               " for write. Its new text would not read back"))
      << output.Text();
  EXPECT_EQ(editor, directory.Read("EditorSettings"));
  EXPECT_EQ(std::vector<std::string>({"EditorSettings", "GameSettings"}), directory.FileNames());
  SessionSettings reloaded(directory.Prefix());
  EXPECT_TRUE(reloaded.Load({}));
}
