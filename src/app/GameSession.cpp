#include "app/GameSession.h"

#include "app/AllComponents.h"
#include "app/EditorSessionHost.h"
#include "app/FrameRateController.h"
#include "app/HiddenWindowCommand.h"
#include "app/QuitAfterCommand.h"
#include "app/StateCommand.h"
#include "app/WatchCommand.h"
#include "audio/SoundSystem.h"
#include "core/EventManager.h"
#include "core/Log.h"
#include "core/MemoryManager.h"
#include "core/Profiler.h"
#include "editor/CheatKeys.h"
#include "editor/ConsoleGui.h"
#include "editor/Editor.h"
#include "editor/EditorCamera.h"
#include "editor/ImGuiBinding.h"
#include "editor/MemoryProfileWindow.h"
#include "flow/actions/ActionSystem.h"
#include "gameplay/player/CheatKeyCheck.h"
#include "input/Input.h"
#include "input/InputActionMap.h"
#include "object/PrefabFiles.h"
#include "object/Registry.h"
#include "object/Space.h"
#include "physics/PhysicsModule.h"
#include "render/Layer.h"
#include "render/ResourceManagerTwo.h"

namespace
{
GameSession*& PublishedSession()
{
  static GameSession* session = nullptr;
  return session;
}

}  // namespace

GameSession* GameSession::Instance()
{
  return PublishedSession();
}

void GameSession::SetInstance(GameSession* session)
{
  PublishedSession() = session;
  SpaceDirectory::SetInstance(session);
  FlowHost::SetInstance(session);
  // The session is the renderer its components draw with and register cameras with.
  ::Graphics::Graphics::SetCurrent(session);
}

// --- Life --------------------------------------------------------------------------------------

GameSession::GameSession(MemoryManager* manager, FrameClock* clock, std::string settingsDirectory)
    : settings(std::move(settingsDirectory)), memoryManager(manager)
{
  frameRateController = MemoryManager::New<FrameRateController>(BRINDLE_SITE, FramesPerSecond, clock);
  FrameRateController* timer = frameRateController;
  profiler = MemoryManager::New<Profiler>(BRINDLE_SITE, [timer]() { return timer->GetTimeUs(); });
  // Its records start and run on the frame timer's clock, which moves once per frame.
  actionSystem = std::make_unique<ActionSystem::ActionSystem>([timer]() { return timer->GetElapsedTime(); });
  ActionSystem::ActionSystem::SetInstance(actionSystem.get());
  // The session is made first thing in main: its making is the program's start.
  frameStatistics = FrameStatistics(frameRateController->GetTimeUs());
  console = MemoryManager::New<ConsoleGui>(BRINDLE_SITE, static_cast<ConsoleHost*>(this));
  memoryWindow = MemoryManager::New<MemoryProfileWindow>(BRINDLE_SITE);
  console->RegisterCommand(std::make_unique<QuitAfterCommand>(*this));
  console->RegisterCommand(std::make_unique<HiddenWindowCommand>(*this));
  console->RegisterCommand(std::make_unique<StateCommand>(*this));
  console->RegisterCommand(std::make_unique<WatchCommand>(*this));
  editorHost = std::make_unique<EditorSessionHost>(*this);
  editor = std::make_unique<::Editor::Editor>(editorHost.get());
  // No handle the editor holds may outlive its level.
  ::Editor::Editor* levelEditor = editor.get();
  Space::SetUnloadObserver([levelEditor]() { levelEditor->ForgetRemovedObjects(); });
  InstallCheatKeys();
  Profiler::SetCurrent(profiler);
  factory.SetComponentRegistrar(RegisterAllComponents);
  SpacePhysics::SetMaker(PhysicsModule::Make);
  // Level loading reaches the factory through its published pointer, from the first command on.
  GameobjectFactory::SetInstance(&factory);
}

GameSession::~GameSession()
{
  // Normally the loop has unloaded them; a session that never ran may still hold some.
  UnloadAllSpaces();
  Space::SetUnloadObserver(nullptr);
  SetCheatKeyCheck(nullptr);
  if (GameobjectFactory::Instance() == &factory)
    GameobjectFactory::SetInstance(nullptr);
  if (Profiler::Current() == profiler)
    Profiler::SetCurrent(nullptr);
  MemoryManager::Delete(memoryWindow);
  MemoryManager::Delete(console);
  actionSystem.reset();
  MemoryManager::Delete(profiler);
  MemoryManager::Delete(frameRateController);
}

bool GameSession::Initialize()
{
  // The order matters: each step relies on the ones before it.
  EventManager::SetInstance(new EventManager());
  Registry::SetInstance(new Registry());
  SoundSystem::SetInstance(new SoundSystem());
  if (hiddenStart)
    CreateHiddenWindow(HiddenWindowWidth, HiddenWindowHeight);
  else
    CreateWindow(fullscreen);
  ImGuiBinding::Init(GetWindow());
  // Content the game cannot draw without stops it here, in order, with what was made so far.
  if (!ResourceManagerTwo::LoadResources(ResourceListPath) || !::Graphics::Graphics::Initialize())
  {
    LogError("The game's resources could not be loaded (see above); it stops.");
    return false;
  }
  Input::Init();
  InstallInputHooks();
  InputActionMap::Init();
  InputActionMap::InitDefaultBindings();
  PrefabFiles().Install(factory);
  factory.Initialize();
  editor->RefreshLevelList();
  // The settings come last: the ambient light needs the draw layers.
  return LoadSettings();
}

void GameSession::InstallInputHooks()
{
  if (Input* input = Input::Instance())
    input->SetEditorHooks(ImGuiBinding::MakeInputHooks());
}

void GameSession::Run()
{
  if (settings.startInEditMode)
  {
    RunEditorInstance();
    return;
  }
  settings.currentLevel = settings.firstLevel;
  RunGameInstance();
}

void GameSession::Shutdown()
{
  if (frameStatistics.GetFrames() > 0)
    LogLine(frameStatistics.Summary());
  ImGuiBinding::Shutdown();
  interfaceFrameOpen = false;
  InputActionMap::Shutdown();
  Input::Shutdown();
  ResourceManagerTwo::UnloadAll();
  delete SoundSystem::Instance();
  SoundSystem::SetInstance(nullptr);
  delete EventManager::Instance();
  EventManager::SetInstance(nullptr);
  delete Registry::Instance();
  Registry::SetInstance(nullptr);
}

// --- Settings ----------------------------------------------------------------------------------

bool GameSession::LoadSettings()
{
  const auto& layers = GetLayerOrder();
  const bool loaded = settings.Load([&layers](const std::string& name, float ambient) {
    // Looked up among the layers directly: an unknown name is the settings' warning, not an error.
    for (::Graphics::Layer* layer : layers)
    {
      if (layer->name == name)
      {
        layer->ambient = ambient;
        return true;
      }
    }
    return false;
  });
  debugViewShown = settings.showDebugView;
  consoleShown = settings.showConsole;
  return loaded;
}

bool GameSession::SaveSettings()
{
  return settings.Save();
}

void GameSession::ToggleDebugView()
{
  debugViewShown = !debugViewShown;
  settings.showDebugView = debugViewShown;
  SaveSettings();
}

void GameSession::ChooseConsoleShown(bool shown)
{
  consoleShown = shown;
  settings.showConsole = shown;
}

// --- ConsoleHost -------------------------------------------------------------------------------

std::vector<std::string> GameSession::GetSpaceNames() const
{
  return namedSpaces.GetNames();
}

bool GameSession::HasSpace(const std::string& name) const
{
  return GetSpace(name) != nullptr;
}

bool GameSession::IsSpacePaused(const std::string& name) const
{
  const Space* space = GetSpace(name);
  return space != nullptr && space->IsPaused();
}

void GameSession::PauseSpace(const std::string& name)
{
  if (Space* space = GetSpace(name))
    space->SetPaused(true);
}

void GameSession::UnpauseSpace(const std::string& name)
{
  if (Space* space = GetSpace(name))
    space->Unpause();
}

void GameSession::SetPendingLevel(const std::string& name, const std::string& level)
{
  if (Space* space = GetSpace(name))
    space->SetPendingLevel(level);
}

void GameSession::SetWindowFullscreen(bool on)
{
  if (on)
    ::Graphics::Graphics::SetFullscreen();
  else
    ::Graphics::Graphics::SetWindowed();
}

float GameSession::GetFrameTime() const
{
  return frameRateController->GetRawDt();
}

std::int64_t GameSession::GetDtUs() const
{
  return frameRateController->GetDtUs();
}
