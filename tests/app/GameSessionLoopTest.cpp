// The whole session in this process, on the test display: start-up in order, a few frames of the
// real game loop, and shutdown. Checks what only the running loop shows: the frame's profiler
// scopes, the back-quote toggle saving the settings, and the first level's space. The input reads
// only the events a test scripts, never the shared display's pointer or focus.
#include "app/GameSession.h"

#include "app/FrameRateController.h"
#include "core/FileUtilities.h"
#include "core/MemoryManager.h"
#include "core/Profiler.h"
#include "editor/ConsoleCommandOutput.h"
#include "editor/ConsoleGui.h"
#include "editor/Editor.h"
#include "flow/actions/ActionSystem.h"
#include "flow/menu/MenuInputDetector.h"
#include "input/Input.h"
#include "object/GameObject.h"
#include "object/Space.h"
#include "object/Transform.h"
#include "platform/StateRequestSignal.h"
#include "support/CapturedLog.h"
#include "support/CapturedOutput.h"
#include "support/FakeInputDevices.h"
#include "support/TemporaryDirectory.h"
#include "support/TestEvents.h"

#include <SDL.h>
#include <glm/vec2.hpp>
#include <gtest/gtest.h>
#include <imgui.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace
{
std::vector<std::string> Names(const std::vector<std::unique_ptr<ProfilerNode>>& nodes)
{
  std::vector<std::string> names;
  for (const auto& node : nodes)
    names.push_back(node->name);
  return names;
}

// Works in another folder for the life of the object, and comes back.
class WorkingFolder
{
public:
  explicit WorkingFolder(const std::filesystem::path& folder) : previous(std::filesystem::current_path())
  {
    std::filesystem::current_path(folder);
  }
  ~WorkingFolder() { std::filesystem::current_path(previous); }
  WorkingFolder(const WorkingFolder&) = delete;
  WorkingFolder& operator=(const WorkingFolder&) = delete;

private:
  std::filesystem::path previous;
};
}  // namespace

class GameSessionLoopTest : public ::testing::Test
{
protected:
  void SetUp() override
  {
    if (std::getenv("DISPLAY") == nullptr)
      GTEST_SKIP() << "no display to open the game's window on";
  }

  // A windowed session on these settings, started, its input on the scripted events.
  void Start(const std::string& gameSettings, const std::string& editorSettings)
  {
    settings.Write("GameSettings", gameSettings);
    settings.Write("EditorSettings", editorSettings);
    devices->readDisplay = false;
    Input::Init(std::make_unique<FakeInputDevices>(devices));  // the session keeps it
    session = new GameSession(MemoryManager::Instance(), nullptr, settings.Prefix());
    GameSession::SetInstance(session);
    session->SetWindowedStart();
    ASSERT_TRUE(session->Initialize());
    ImGui::GetIO().IniFilename = nullptr;  // tests leave no imgui.ini behind
  }

  // Read by the first frame's pump.
  void Script(const SDL_Event& event) { devices->events.push_back(event); }

  Json::Value SavedEditorSettings()
  {
    Json::Value editor;
    EXPECT_TRUE(ReadJsonFile(editor, settings.File("EditorSettings")));
    return editor;
  }

  void TearDown() override
  {
    Input::Shutdown();  // in case the session never started
    if (session == nullptr)
      return;
    session->Shutdown();
    delete session;
    GameSession::SetInstance(nullptr);
  }

  CapturedLog output;
  TemporaryDirectory settings;
  std::shared_ptr<FakeDeviceLog> devices = std::make_shared<FakeDeviceLog>();
  GameSession* session = nullptr;
};

TEST_F(GameSessionLoopTest, FramesRunInTheirProfiledStepsAndTheBackQuoteSavesTheSettings)
{
  Start(R"({"firstLevel": "testlevel", "lighting": {"DL_MAIN": 0.5}})", R"({"showDebugView": false, "showConsole": true, "mine": "kept"})");
  EXPECT_FLOAT_EQ(session->GetLayer("DL_MAIN")->ambient, 0.5f) << "the settings set the ambient light";

  Script(TestEvents::Key(SDLK_BACKQUOTE, true));

  session->GetProfiler().RequestSnapshot();
  session->QuitAfterFrames(3);
  session->Run();

  EXPECT_FALSE(session->IsRunning());
  EXPECT_EQ(session->FramesLeft(), 0);
  EXPECT_TRUE(session->GetSpaces().empty()) << "the loop unloads its spaces when it ends";

  // The first frame's timing tree, in the order the frame runs.
  const std::vector<std::string> expected = {"Sound", "Spaces", "Physics", "Update", "GraphicsEvent",
                                             "Draw", "editor", "Swap buffers", "Sleep"};
  const auto& roots = session->GetProfiler().SnapshotRoots();
  EXPECT_EQ(Names(roots), expected);
  ASSERT_GE(roots.size(), 4u);
  EXPECT_EQ(Names(roots[2]->children), std::vector<std::string>{"testlevel"}) << "one physics scope per active space";
  EXPECT_EQ(Names(roots[3]->children), (std::vector<std::string>{"Dispatch", "ProcessMEQ"}));

  // The toggle wrote both files at once, keeping what it does not own.
  const Json::Value editor = SavedEditorSettings();
  Json::Value game;
  ASSERT_TRUE(ReadJsonFile(game, settings.File("GameSettings")));
  EXPECT_TRUE(editor["showDebugView"].asBool());
  EXPECT_TRUE(editor["showConsole"].asBool());
  EXPECT_EQ(editor["mine"].asString(), "kept");
  EXPECT_EQ(editor["currentlyEditing"].asString(), "testlevel") << "the level being played";
  EXPECT_FLOAT_EQ(game["lighting"]["DL_MAIN"].asFloat(), 0.5f);
  EXPECT_FALSE(output.Contains("Space could not load"));
}

TEST_F(GameSessionLoopTest, TheEditorZoomsAboutTheMouseAndKeepsTheCameraPerLevel)
{
  Start(R"({"firstLevel": "testlevel"})",
        R"({"startInEditMode": true, "currentlyEditing": "testlevel", "CameraSettings": {"other": {"Transform": {"scale": [3, 3]}}}})");
  const float width = static_cast<float>(session->GetWindowWidth());
  const float height = static_cast<float>(session->GetWindowHeight());
  ASSERT_GT(width, 0.0f);

  // The pointer moves to three quarters across and a quarter down, then the wheel turns one step
  // towards the scene.
  const glm::ivec2 mouse(static_cast<int>(width * 0.75f), static_cast<int>(height * 0.25f));
  Script(TestEvents::MouseMotion(mouse.x, mouse.y, 0, 0));
  Script(TestEvents::Wheel(1));
  session->QuitAfterFrames(2);
  session->Run();
  EXPECT_FALSE(session->IsEditorRunning());
  EXPECT_EQ(session->GetEditorCamera(), nullptr) << "the free camera goes with the loop";

  // The point under the mouse: 1920 world units across the window, as many per pixel upwards.
  const float unitsPerPixel = 1920.0f / width;
  const glm::vec2 under((static_cast<float>(mouse.x) - width / 2) * unitsPerPixel,
                        (height / 2 - static_cast<float>(mouse.y)) * unitsPerPixel);
  const Json::Value camera = SavedEditorSettings()["CameraSettings"];
  const Json::Value& transform = camera["testlevel"]["Transform"];
  EXPECT_FLOAT_EQ(transform["scale"][0].asFloat(), 0.75f);
  // Scaled by 0.75 about the point under the mouse: it stays where it was.
  EXPECT_NEAR(transform["position"][0].asFloat(), 0.25f * under.x, 0.01f);
  EXPECT_NEAR(transform["position"][1].asFloat(), 0.25f * under.y, 0.01f);
  EXPECT_EQ(camera["other"]["Transform"]["scale"][0].asFloat(), 3.0f) << "other levels keep their cameras";
  EXPECT_TRUE(SavedEditorSettings()["startInEditMode"].asBool());
}

// An editor session that changes nothing leaves both settings files as they were, though the
// editor shows its debug view, a warning opened the console and the camera never moved.
TEST_F(GameSessionLoopTest, AnEditorSessionThatChangesNothingLeavesTheSettingsFilesAsTheyWere)
{
  const std::string game = R"({"firstLevel": "testlevel", "lighting": {"DL_MAIN": 0.45}})";
  const std::string editor =
      R"({"currentlyEditing": "testlevel", "showConsole": false, "showDebugView": false, "startInEditMode": true})";
  Start(game, editor);
  session->ShowConsole();  // what a warning in the log does
  session->QuitAfterFrames(3);
  session->Run();
  EXPECT_TRUE(session->IsConsoleShown());
  EXPECT_EQ(settings.Read("GameSettings"), game);
  EXPECT_EQ(settings.Read("EditorSettings"), editor);
}

TEST_F(GameSessionLoopTest, F5PlaysTheFirstLevelFromTheEditorAndComesBack)
{
  Start(R"({"firstLevel": "no_such_first_level"})", R"({"startInEditMode": true, "currentlyEditing": "testlevel"})");
  Script(TestEvents::Key(SDLK_F5, true));
  session->QuitAfterFrames(4);
  session->Run();
  EXPECT_TRUE(output.Contains("Space could not load no_such_first_level.")) << "the game ran the first level";
  EXPECT_FALSE(session->IsRunning());
  EXPECT_FALSE(session->IsEditorRunning()) << "quit_after ends both loops";
  EXPECT_EQ(session->GetCurrentLevel(), "testlevel") << "the editor's level comes back";
  EXPECT_EQ(SavedEditorSettings()["currentlyEditing"].asString(), "testlevel");
  EXPECT_TRUE(session->GetSpaces().empty());
}

TEST_F(GameSessionLoopTest, EscapeEndsTheEditorLoop)
{
  Start(R"({"firstLevel": "testlevel"})", R"({"startInEditMode": true, "currentlyEditing": "testlevel"})");
  Script(TestEvents::Key(SDLK_ESCAPE, true));
  session->QuitAfterFrames(1000);
  session->Run();
  EXPECT_GT(session->FramesLeft(), 990) << "the loop ended on the key, not on the frame limit";
}

TEST_F(GameSessionLoopTest, SigusrOneAndTheStateCommandReportWhatTheEditorShowsBetweenFrames)
{
  // Made before the session, so the console's capture passes what it lets through to it.
  CapturedOutput standardOutput;
  Start(R"({"firstLevel": "testlevel"})", R"({"startInEditMode": true, "currentlyEditing": "testlevel"})");
  StateRequestSignal::Install();
  int frame = 0;
  session->SetFrameObserver([&] {
    ++frame;
    Space* space = session->GetEditorSpace();
    ASSERT_NE(space, nullptr);
    if (frame == 2)
    {
      // The picked station is held; a crate is the player.
      session->GetEditor().GetCurrentTool()->Apply(space->GetObjectNamed("Station"));
      session->GetEditor().showObjectWindows = true;
      space->GetObjectNamed("Crate")->AddComponent("PlayerController");
    }
    if (frame == 3)
      std::raise(SIGUSR1);
    if (frame == 4)
      session->GetConsole().ExecuteCommand("state", ' ');
  });
  session->QuitAfterFrames(6);
  session->Run();
  StateRequestSignal::Uninstall();

  // The signal's answer: one line on standard output, none in the console.
  const std::string text = standardOutput.Text();
  const std::size_t start = text.find("State: ");
  ASSERT_NE(start, std::string::npos) << text;
  EXPECT_EQ(text.find("State: ", start + 1), std::string::npos) << "answered once: " << text;
  const std::size_t end = text.find('\n', start);
  Json::Value state;
  ASSERT_TRUE(ParseJson(state, text.substr(start + 7, end - start - 7), "the state report")) << text;
  const auto& entries = session->GetConsole().GetLog();
  const auto shown = std::count_if(entries.begin(), entries.end(), [](const auto& entry) {
    const auto* text = dynamic_cast<const TextCommandOutput*>(entry.get());
    return text != nullptr && text->GetText().rfind("State: ", 0) == 0;
  });
  EXPECT_EQ(shown, 1) << "only the command's answer is shown in the console";

  EXPECT_EQ(state["frame"].asInt(), 3) << "answered at the end of the frame it came in";
  // The game's clock: three time steps, each at least the frame cap's 1/120 s and at most the loop's
  // maximum step of 1/30 s, however long the frames took.
  EXPECT_GE(state["time"].asDouble(), 3 * 0.008333) << text;
  EXPECT_LE(state["time"].asDouble(), 3 * 0.033334) << text;
  EXPECT_EQ(state["loop"].asString(), "editor");
  ASSERT_EQ(state["spaces"].size(), 1u);
  EXPECT_EQ(state["spaces"][0]["name"].asString(), "Editor Space");
  EXPECT_EQ(state["spaces"][0]["level"].asString(), "testlevel");
  EXPECT_EQ(state["player"]["position"][0].asFloat(), 40.0f);
  EXPECT_EQ(state["player"]["position"][1].asFloat(), -40.0f);
  const Json::Value& editor = state["editor"];
  EXPECT_EQ(editor["level"].asString(), "testlevel");
  EXPECT_EQ(editor["tool"].asString(), "Select");
  EXPECT_EQ(editor["held"]["name"].asString(), "Station");
  EXPECT_EQ(editor["held"]["position"][0].asFloat(), 100.0f);
  EXPECT_EQ(editor["held"]["position"][1].asFloat(), 50.0f);
  EXPECT_NE(std::find(editor["held"]["components"].begin(), editor["held"]["components"].end(), Json::Value("Transform")),
            editor["held"]["components"].end());
  const Json::Value& windows = state["interface"]["windows"];
  for (const char* window : {"Objects", "Object:", "Editor"})
    EXPECT_NE(std::find(windows.begin(), windows.end(), Json::Value(window)), windows.end()) << window << " in " << windows;
  EXPECT_EQ(state["interface"]["popups"].asInt(), 0);
  EXPECT_FALSE(state["interface"]["typing"].asBool());
  EXPECT_EQ(state["interface"]["field"].asString(), "") << "no field has the keyboard";
}

TEST_F(GameSessionLoopTest, WinmodeSwitchesTheLiveWindowAndWindowedOnlyTheStartFlag)
{
  Start(R"({"firstLevel": "testlevel"})", R"({})");
  ConsoleGui& console = session->GetConsole();
  const Graphics::Graphics& renderer = *session;
  EXPECT_FALSE(renderer.IsFullscreen());
  console.ExecuteCommand("winmode big", ' ');
  EXPECT_TRUE(renderer.IsFullscreen());
  console.ExecuteCommand("winmode small", ' ');
  EXPECT_FALSE(renderer.IsFullscreen());

  // Typed into the running console, "windowed" leaves the window as it is.
  console.ExecuteCommand("winmode big", ' ');
  console.ExecuteCommand("windowed", ' ');
  EXPECT_TRUE(renderer.IsFullscreen());
  EXPECT_FALSE(session->IsFullscreen()) << "but focus loss no longer minimises it";
}

TEST_F(GameSessionLoopTest, TheLoopMovesABodyByItsVelocity)
{
  // The game's assets, with one more level: a body drifting right at 300 units a second.
  TemporaryDirectory game;
  const std::filesystem::path assets = game.Path() / "Assets";
  std::filesystem::create_directories(assets / "LevelFiles");
  for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::current_path() / "Assets"))
    if (entry.path().filename() != "LevelFiles")
      std::filesystem::create_symlink(entry.path(), assets / entry.path().filename());
  std::ofstream(assets / "LevelFiles" / "drift.json") << R"({"level": {"objects": [{"name": "Drifter",
      "prefab": "Default", "uuid": 1, "children": [], "components": {"Transform": {"position": [0, 40]},
      "Rigidbody": {"Velocity": [300, 0]}}}]}})";
  WorkingFolder inGame(game.Path());

  Start(R"({"firstLevel": "drift"})", R"({})");
  // Seen at the end of each frame: where the body stands and the time step the next frame runs on.
  std::vector<glm::vec2> positions;
  std::vector<float> nextSteps;
  session->SetFrameObserver([&] {
    Space* space = session->GetSpace("drift");
    auto drifter = space != nullptr ? space->FindObjectByName("Drifter") : Space::NameIndex::iterator();
    if (space == nullptr || drifter == space->ObjectsEnd())
      return;
    positions.push_back(drifter->second->GetTransform()->GetPosition());
    nextSteps.push_back(session->GetFrameRateController().GetDt());
  });
  session->QuitAfterFrames(12);
  session->Run();

  ASSERT_EQ(positions.size(), 12u) << output.Text();
  EXPECT_FALSE(output.Contains("[ERROR]")) << output.Text();
  EXPECT_FLOAT_EQ(positions.back().y, 40.0f) << "along its velocity only";
  // From the end of the first frame on, the physics of each frame spent that frame's step.
  float time = 0.0f;
  for (std::size_t frame = 1; frame < positions.size(); ++frame)
    time += nextSteps[frame - 1];
  EXPECT_GT(positions.back().x, positions.front().x) << "it moved";
  // In slices of 1/120 s, the time left over at either end (less than a slice) unspent.
  EXPECT_NEAR(positions.back().x - positions.front().x, 300.0f * time, 300.0f / 120.0f + 0.1f) << "in " << time << " s";
}

TEST_F(GameSessionLoopTest, TheShippedMenusPlayByKeysAndQuitThroughTheQuestion)
{
  // The shipped splash, worked only by keys: any key to the menu, which opens on Start, down to
  // Quit, accept; the question opens on No, right keeps it there, left goes to Yes, accept. Presses
  // are spaced for the menus' half-second rest after each action, in the game's own time: an idle
  // machine runs the loop at up to twice the 60 frames a second these times were counted in.
  Start(R"({"firstLevel": "splash"})", R"({})");
  const std::vector<std::pair<int, SDL_Keycode>> presses = {
      {60, SDLK_SPACE},   {110, SDLK_DOWN},  {150, SDLK_DOWN},  {190, SDLK_DOWN},
      {230, SDLK_DOWN},   {310, SDLK_RETURN}, {360, SDLK_RIGHT}, {400, SDLK_LEFT}, {440, SDLK_RETURN}};
  // The answer lit at a frame of the question: "No" (its object named "Default"), "Yes" or "".
  std::map<int, std::string> answerLit;
  const glm::vec2 shrunk(400.0f, 120.0f);
  int frame = 0;
  float now = 0.0f;
  std::map<int, int> pressedAt;
  // The first frame at or past a time given as a frame of 60 a second.
  const auto reached = [&now](int sixtieths) { return now >= static_cast<float>(sixtieths) / 60.0f; };
  std::vector<std::string> utilityLevels;
  bool titleShrankWhileQuestionOpen = false;
  Handle<GameObject> title;
  session->SetFrameObserver([&] {
    ++frame;
    now += session->GetFrameRateController().GetDt();
    for (const auto& [at, key] : presses)
    {
      if (pressedAt.count(at) == 0 && reached(at))
      {
        pressedAt[at] = frame;
        Script(TestEvents::Key(key, true));
      }
      if (pressedAt.count(at) != 0 && frame == pressedAt[at] + 2)
        Script(TestEvents::Key(key, false));
    }
    Space* utility = session->GetSpace("Utility");
    if (utility != nullptr && (utilityLevels.empty() || utilityLevels.back() != utility->GetName()))
      utilityLevels.push_back(utility->GetName());
    // The question pauses the menu under it; the game loop's timed setters still move the menu's
    // title.
    Space* question = session->GetSpace("MenuSpace1");
    for (const int sample : {355, 395, 435})
    {
      if (question == nullptr || answerLit.count(sample) != 0 || !reached(sample))
        continue;
      std::string& lit = answerLit[sample];
      for (const auto& [name, answer] : {std::pair<const char*, const char*>{"Default", "No"}, {"Yes", "Yes"}})
      {
        const auto found = question->FindObjectByName(name);
        const auto* detector = found != question->ObjectsEnd() ? found->second->GetComponent<MenuInputDetector>() : nullptr;
        if (detector != nullptr && detector->IsHovered())
          lit += answer;
      }
    }
    if (question == nullptr || utility == nullptr || !utility->IsPaused())
      return;
    if (!title.IsValid())
    {
      auto found = utility->FindObjectByName("Title");
      ASSERT_NE(found, utility->ObjectsEnd());
      title = found->second;
      Transform* transform = title->GetTransform();
      session->GetActionSystem().AddSetter(title, transform, [](Transform& t, const glm::vec2& v) { t.SetScale(v); },
                                           transform->GetScale(), shrunk, 0.2f);
    }
    else if (title->GetTransform()->GetScale() == shrunk)
    {
      titleShrankWhileQuestionOpen = true;
    }
  });
  session->QuitAfterFrames(1800);
  session->Run();

  EXPECT_GT(session->FramesLeft(), 600) << "Yes ended the game, not the frame limit";
  EXPECT_EQ(utilityLevels, (std::vector<std::string>{"blank", "introlevel"}));
  EXPECT_TRUE(titleShrankWhileQuestionOpen);
  EXPECT_EQ(answerLit, (std::map<int, std::string>{{355, "No"}, {395, "No"}, {435, "Yes"}}));
  EXPECT_FALSE(output.Contains("[ERROR]")) << output.Text();
}
