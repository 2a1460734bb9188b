#pragma once
// The one object that owns every engine system, the loaded spaces and the settings, and runs the
// game loop. It is also the renderer: the pointer every DrawEvent carries is this session.
//
// Sections: life (construction, Initialize, Run, Shutdown); spaces by name (NamedSpaces);
// focus pause; the frame; the editor loop; settings; the console's view of the game
// (ConsoleHost). Life, settings and the console's view are defined in GameSession.cpp, the game
// loop, its frame scaffold and the focus pause in GameSessionLoop.cpp, the editor loop in
// GameSessionEditorLoop.cpp.
//
// Life: construct (main then runs the command-line words as console commands) -> Initialize ->
// Run -> Shutdown -> destroy. One session exists at a time, reached through Instance().
#include "app/FrameStatistics.h"
#include "app/NamedSpaces.h"
#include "app/SessionSettings.h"
#include "editor/ConsoleHost.h"
#include "flow/FlowHost.h"
#include "object/GameobjectFactory.h"
#include "object/SpaceDirectory.h"
#include "render/Graphics.h"

#include <glm/vec2.hpp>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace ActionSystem
{
class ActionSystem;
}
class Camera;
class ConsoleGui;
class EditorCamera;
class EditorSessionHost;
class FrameClock;
class FrameRateController;
class MemoryManager;
class MemoryProfileWindow;
class Profiler;
class Space;
class Transform;

namespace Editor
{
class Editor;
}

class GameSession : public Graphics::Graphics, public ConsoleHost, public SpaceDirectory, public FlowHost
{
public:
  using SpaceMap = NamedSpaces::SpaceMap;

  static constexpr float FramesPerSecond = 120.0f;
  static constexpr std::int64_t FrameMarginUs = 6000;
  static constexpr const char* ResourceListPath = "Assets\\RESOURCES.json";

  // `clock` (not owned) times the frames; the steady clock when null. `settingsDirectory` holds
  // GameSettings and EditorSettings, with a trailing separator.
  explicit GameSession(MemoryManager* memoryManager, FrameClock* clock = nullptr,
                       std::string settingsDirectory = "Assets/");
  ~GameSession() override;
  GameSession(const GameSession&) = delete;
  GameSession& operator=(const GameSession&) = delete;

  // The published session: null before main publishes it and after it is destroyed.
  // Publishing the session also publishes it as the SpaceDirectory and the FlowHost.
  static GameSession* Instance();
  static void SetInstance(GameSession* session);

  // --- Life ----------------------------------------------------------------------------------
  // Brings the systems up in their fixed order. False when the program cannot go on (the resource
  // list or a shader did not load, or the game settings are missing or malformed; the reason has
  // been reported); Shutdown is still due.
  bool Initialize();
  // The editor loop when "startInEditMode" is set, otherwise the game from its first level.
  void Run();
  // Prints the frame statistics ("Frames: N in S s ...") when any frame ran, then takes the
  // systems down in the reverse order.
  void Shutdown();

  // The window starts full screen unless "windowed" ran first. This is the start-up flag, not the
  // live window's state (Graphics::Graphics::IsFullscreen): it also decides whether losing focus
  // minimises the window.
  bool IsFullscreen() const { return fullscreen; }
  void SetWindowedStart() override { fullscreen = false; }
  // The window starts hidden and small (HiddenWindowCommand); only before Initialize.
  void SetHiddenStart() { hiddenStart = true; }
  static constexpr unsigned HiddenWindowWidth = 320;
  static constexpr unsigned HiddenWindowHeight = 180;
  bool IsRunning() const { return running; }
  bool IsEditorRunning() const { return editorRunning; }
  // Ends the game loop after the current frame (quit confirmed, the editor's menu).
  void Stop() { running = false; }
  // Ends the editor loop after the current frame (ESC, the editor's menu).
  void StopEditor() { editorRunning = false; }
  // Ends both loops after the current frame (window closed, terminate signal, quit_after).
  void StopAll()
  {
    running = false;
    editorRunning = false;
  }
  // Ends the loop after this many more frames; the "quit_after" command sets it.
  void QuitAfterFrames(std::int64_t frames) { framesLeft = frames; }
  std::int64_t FramesLeft() const { return framesLeft; }
  // Called at the end of every frame of either loop, while its spaces are still loaded (a loop
  // unloads them when it ends); tools and tests watch the running game through it.
  void SetFrameObserver(std::function<void()> observer) { frameObserver = std::move(observer); }

  // --- Spaces by name (NamedSpaces does the work) --------------------------------------------
  // The live space of that name, else the last pending one of that name, else null.
  Space* GetSpace(const std::string& name) const override { return namedSpaces.Find(name); }
  // A space of that name showing that level: the live or pending one when it shows that level and
  // is not being removed; otherwise that one is marked for removal and a new one is made and
  // loaded at once. The new space joins the live ones at the next ManageSpaces.
  Space* GetSpace(const std::string& name, const std::string& level) override
  {
    return namedSpaces.Get(name, level);
  }
  // A new space under a name that must not be in use; a name in use is a fatal check.
  Space* GetSpaceNew(const std::string& name, const std::string& level) { return namedSpaces.GetNew(name, level); }
  // Between frames: removes the spaces marked for removal, adopts the pending ones, applies the
  // flags asked for during the frame and carries out level switches.
  void ManageSpaces() { namedSpaces.Manage(); }
  // Once per editor frame, after ManageSpaces: every live space but "Editor Space" is unloaded
  // and deleted at once; when any was, the map holds only the editor's space afterwards.
  void KeepOnlyEditorSpace() { namedSpaces.KeepOnlyEditorSpace(); }
  // Unloads and deletes every space, live or pending; no space stays paused by focus loss.
  void UnloadAllSpaces();
  SpaceMap::const_iterator GetSpacesBegin() const { return GetSpaces().begin(); }
  SpaceMap::const_iterator GetSpacesEnd() const { return GetSpaces().end(); }
  const SpaceMap& GetSpaces() const { return namedSpaces.GetLive(); }
  const NamedSpaces::PendingList& GetPendingSpaces() const { return namedSpaces.GetPending(); }
  static constexpr const char* EditorSpaceName = NamedSpaces::EditorSpaceName;
  // The editor loop's space; null outside it.
  Space* GetEditorSpace() const { return namedSpaces.GetEditorSpace(); }
  void SetEditorSpace(Space* space) { namedSpaces.SetEditorSpace(space); }

  // --- Focus pause ---------------------------------------------------------------------------
  // Focus lost: pauses the running spaces (from the next ManageSpaces) and mutes the sound.
  void HardPause();
  // Focus back: resumes only the spaces HardPause paused, and unmutes only if HardPause muted, so
  // a space or a sound the player had paused or muted stays that way.
  void HardUnPause();
  const std::vector<std::string>& GetHardPausedSpaces() const { return hardPausedSpaces; }

  // --- The frame -----------------------------------------------------------------------------
  // Runs frames until Stop, a closed window or a terminate signal; then unloads every space.
  void RunGameInstance();
  // The update events of one frame: PreUpdate to the active spaces, Update (PauseUpdate to the
  // paused ones) to all, the queue, PostUpdate to the active spaces, the queue again.
  void DispatchUpdateEvents(float dt);
  // DrawEvent to every visible space, then the physics outlines while debug drawing is on.
  void DispatchDrawEvents();
  // After the input pump: a closed window or a terminate signal ends both loops; focus changes
  // pause or resume the game.
  void HandleWindowState();

  // --- The editor loop -----------------------------------------------------------------------
  // Shows `currentLevel` in "Editor Space" under a free camera: the wheel zooms about the mouse,
  // the middle button drags the world, the pan axis moves the camera. F6 plays the edited level,
  // F5 the first level, and the editor comes back when that game ends; ESC ends the loop. The
  // editor's own interface and its requests (save, play, reload, picking) join with the editor.
  void RunEditorInstance();
  // Loads the level into "Editor Space" and puts the camera where it was last left for it.
  void LoadEditorLevel(const std::string& level);
  // Files the camera under the edited level; SaveSettings writes it.
  void SaveEditorCamera();
  // Writes the edited level from "Editor Space" to its file in `levelDirectory` (the game's level
  // folder by default). A level that could not be written is reported and the file keeps its
  // previous content; false then. A file that could not be loaded is replaced only when the
  // person confirmed it (Space::SaveLevel).
  bool SaveEditorLevel(const std::string& levelDirectory = "Assets/LevelFiles/", bool replaceUnreadFile = false);
  // The root object of the editor's space under the mouse becomes the editor's hovered object.
  void UpdateEditorPicking();
  // Zooms the editor camera by wheel steps, keeping the world point under the mouse in place; the
  // scale never drops below 0.1.
  void ZoomEditorCamera(float wheel);
  // The editor loop's free camera and its transform; null outside the loop.
  Camera* GetEditorCamera() const;
  Transform* GetEditorCameraTransform() const;

  // --- Settings ------------------------------------------------------------------------------
  // False when the game settings are missing or either file is malformed (reported).
  bool LoadSettings();
  // False when a file was not written (reported).
  bool SaveSettings();
  // The back-quote key: shows or hides the debug view and saves the settings at once.
  void ToggleDebugView();
  // What the screen shows now. The settings keep what the person chose; the editor loop showing
  // the debug view, or a warning opening the console, changes only these.
  bool IsDebugViewShown() const { return debugViewShown; }
  bool IsConsoleShown() const { return consoleShown; }
  // The person's choice (the editor's "Console" item): shown now and remembered by the settings.
  void ChooseConsoleShown(bool shown);
  SessionSettings& GetSettings() { return settings; }
  const SessionSettings& GetSettings() const { return settings; }
  const std::string& GetFirstLevel() const { return settings.firstLevel; }
  const std::string& GetCurrentLevel() const { return settings.currentLevel; }

  GameobjectFactory& GetFactory() { return factory; }
  FrameRateController& GetFrameRateController() { return *frameRateController; }
  // Frames run by either loop, their time and the time to the first frame; Shutdown prints them.
  const FrameStatistics& GetFrameStatistics() const { return frameStatistics; }
  ConsoleGui& GetConsole() { return *console; }
  // The names of the objects the state report describes (the console's "watch").
  const std::vector<std::string>& GetWatchedNames() const { return watchedNames; }
  void SetWatchedNames(std::vector<std::string> names) { watchedNames = std::move(names); }
  MemoryProfileWindow& GetMemoryWindow() { return *memoryWindow; }
  ::Editor::Editor& GetEditor() { return *editor; }
  Profiler& GetProfiler() { return *profiler; }
  // The timed setters of the interface, stepped once per game-loop frame (never by the editor's).
  ActionSystem::ActionSystem& GetActionSystem() { return *actionSystem; }

  // --- FlowHost ------------------------------------------------------------------------------
  void EndGame() override { Stop(); }
  bool IsWindowFullscreen() const override { return ::Graphics::Graphics::IsFullscreen(); }
  void SetWindowFullscreen(bool on) override;

  // --- ConsoleHost ---------------------------------------------------------------------------
  std::vector<std::string> GetSpaceNames() const override;
  bool HasSpace(const std::string& space) const override;
  bool IsSpacePaused(const std::string& space) const override;
  void PauseSpace(const std::string& space) override;
  void UnpauseSpace(const std::string& space) override;
  void SetPendingLevel(const std::string& space, const std::string& level) override;
  void ShowDebugView() override { debugViewShown = true; }
  void ShowConsole() override { consoleShown = true; }
  // These switch the live window (the renderer's own switches).
  void SetFullscreen() override { ::Graphics::Graphics::SetFullscreen(); }
  void SetWindowed() override { ::Graphics::Graphics::SetWindowed(); }
  float GetFrameTime() const override;
  std::int64_t GetDtUs() const override;

private:
  void RunGameFrame();
  void RunEditorFrame();

  // The frame scaffold both loops share (app/GameSessionLoop.cpp).
  // A loop starts: the frame-rate controller starts counting again.
  void StartLoop();
  // Runs `frame` until `keepRunning` is false at the end of one, or quit_after's count runs out.
  void RunFrames(const bool& keepRunning, void (GameSession::*frame)());
  // The frame's first steps: its statistics begin and captured output becomes console lines.
  void BeginFrame();
  void SwapWindow();
  // The frame's work ends; the frame-rate controller waits out the rest of the frame.
  void WaitForNextFrame();
  // The profiler and memory windows.
  void DrawDebugWindows();
  // The interface's frame: begun once, drawn and ended once.
  void BeginInterfaceFrame();
  void EndInterfaceFrame();
  // Plays a level from inside the editor loop; the editor's space waits outside the map.
  void PlayFromEditor(const std::string& level);
  // After an editor frame: the save, play and load requests of the editor and the keys.
  void HandleEditorRequests();
  void InstallInputHooks();

  // Members in the order of their construction; the systems are pooled blocks.
  GameobjectFactory factory;
  FrameRateController* frameRateController = nullptr;
  ConsoleGui* console = nullptr;
  MemoryProfileWindow* memoryWindow = nullptr;
  char consoleInput[128] = {};
  Profiler* profiler = nullptr;
  std::unique_ptr<ActionSystem::ActionSystem> actionSystem;
  FrameStatistics frameStatistics{0};
  std::vector<std::string> watchedNames;
  bool running = false;
  bool editorRunning = false;
  std::unique_ptr<EditorCamera> editorCamera;  // lives as long as an editor loop
  std::unique_ptr<EditorSessionHost> editorHost;
  std::unique_ptr<::Editor::Editor> editor;
  bool interfaceFrameOpen = false;
  bool fullscreen = true;
  bool hiddenStart = false;
  SessionSettings settings;
  bool debugViewShown = false;
  bool consoleShown = false;
  NamedSpaces namedSpaces{*this};
  std::vector<std::string> hardPausedSpaces;
  bool focusMuted = false;          // HardPause queued a mute that HardUnPause owes back
  std::int64_t framesLeft = -1;     // frames until the loop ends; negative: no limit
  std::function<void()> frameObserver;
  MemoryManager* memoryManager;
};
