#include "app/GameSession.h"

#include "app/AllComponents.h"

#include "app/FrameRateController.h"
#include "app/QuitAfterCommand.h"
#include "app/SpaceDebugDraw.h"
#include "audio/SoundEvents.h"
#include "audio/SoundSystem.h"
#include "core/EventManager.h"
#include "core/MemoryManager.h"
#include "core/Profiler.h"
#include "editor/ConsoleGui.h"
#include "editor/ImGuiBinding.h"
#include "editor/MemoryProfileWindow.h"
#include "input/Input.h"
#include "input/InputActionMap.h"
#include "object/FrameEvents.h"
#include "object/PrefabFiles.h"
#include "object/Registry.h"
#include "object/Space.h"
#include "object/Transform.h"
#include "physics/PhysicsModule.h"
#include "platform/Assert.h"
#include "platform/TerminationSignal.h"
#include "render/Camera.h"
#include "render/Layer.h"
#include "render/LightFlicker.h"
#include "render/PointLight.h"
#include "render/ResourceManagerTwo.h"

#include <SDL.h>
#include <imgui.h>

#include <algorithm>
#include <iostream>

namespace
{
GameSession*& PublishedSession()
{
  static GameSession* session = nullptr;
  return session;
}

constexpr SDL_Keycode BackQuoteKey = 0x60;
}  // namespace

GameSession* GameSession::Instance()
{
  return PublishedSession();
}

void GameSession::SetInstance(GameSession* session)
{
  PublishedSession() = session;
  SpaceDirectory::SetInstance(session);
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
  // The session is made first thing in main: its making is the program's start.
  frameStatistics = FrameStatistics(frameRateController->GetTimeUs());
  console = MemoryManager::New<ConsoleGui>(BRINDLE_SITE, static_cast<ConsoleHost*>(this));
  memoryWindow = MemoryManager::New<MemoryProfileWindow>(BRINDLE_SITE);
  console->RegisterCommand(std::make_unique<QuitAfterCommand>(*this));
  Profiler::SetCurrent(profiler);
  factory.SetComponentRegistrar(RegisterAllComponents);
  SpacePhysics::SetMaker(PhysicsModule::Make);
  // Level loading reaches the factory through its published pointer, from the first command on.
  GameobjectFactory::SetInstance(&factory);
}

GameSession::~GameSession()
{
  // Normally the loop has unloaded them; a session that never ran may still hold some.
  if (!spaces.empty() || !pendingSpaces.empty())
    UnloadAllSpaces();
  if (GameobjectFactory::Instance() == &factory)
    GameobjectFactory::SetInstance(nullptr);
  if (Profiler::Current() == profiler)
    Profiler::SetCurrent(nullptr);
  MemoryManager::Delete(memoryWindow);
  MemoryManager::Delete(console);
  MemoryManager::Delete(profiler);
  MemoryManager::Delete(frameRateController);
}

bool GameSession::Initialize()
{
  // The order matters: each step relies on the ones before it.
  EventManager::SetInstance(new EventManager());
  Registry::SetInstance(new Registry());
  SoundSystem::SetInstance(new SoundSystem());
  CreateWindow(fullscreen);
  ImGuiBinding::Init(GetWindow());
  // Content the game cannot draw without stops it here, in order, with what was made so far.
  if (!ResourceManagerTwo::LoadResources(ResourceListPath) || !::Graphics::Graphics::Initialize())
  {
    std::cout << "[ERROR] The game's resources could not be loaded (see above); it stops." << std::endl;
    return false;
  }
  Input::Init();
  InstallInputHooks();
  InputActionMap::Init();
  InputActionMap::InitDefaultBindings();
  PrefabFiles().Install(factory);
  factory.Initialize();
  // The settings come last: the ambient light needs the draw layers.
  return LoadSettings();
}

void GameSession::InstallInputHooks()
{
  // The interface layer (console and debug windows) sees every event first and keeps the keys
  // and the mouse while it uses them.
  InputEditorHooks hooks;
  hooks.observeEvent = [](const SDL_Event& event) { ImGuiBinding::ProcessEvent(event); };
  hooks.isKeyboardCaptured = []() {
    return ImGui::GetCurrentContext() != nullptr && ImGui::GetIO().WantTextInput;
  };
  hooks.isMouseOverInterface = []() {
    return ImGui::GetCurrentContext() != nullptr &&
           (ImGui::IsWindowHovered(ImGuiHoveredFlags_AnyWindow) || ImGui::IsAnyItemActive());
  };
  hooks.onFileDropped = [](const std::string& path) { ImGuiBinding::AddDroppedFile(path); };
  if (Input* input = Input::Instance())
    input->SetEditorHooks(std::move(hooks));
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
    std::cout << frameStatistics.Summary() << std::endl;
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

// --- Spaces by name ----------------------------------------------------------------------------

Space* GameSession::GetSpace(const std::string& name) const
{
  const auto live = spaces.find(name);
  if (live != spaces.end())
    return live->second;
  for (auto pending = pendingSpaces.rbegin(); pending != pendingSpaces.rend(); ++pending)
    if (pending->first == name)
      return pending->second;
  return nullptr;
}

Space* GameSession::GetSpace(const std::string& name, const std::string& level)
{
  // The live space of that name, replaced in turn by each pending one: the last pending wins.
  Space* found = nullptr;
  const auto live = spaces.find(name);
  if (live != spaces.end())
    found = live->second;
  for (const auto& pending : pendingSpaces)
    if (pending.first == name)
      found = pending.second;

  if (found != nullptr && found->GetName() == level && !found->IsMarkedForRemoval())
    return found;
  if (found != nullptr)
    found->MarkForRemoval();

  Space* space = MakeSpace(name);
  space->SetCurrentLevelName(level);
  space->LoadLevel(level);
  pendingSpaces.emplace_back(name, space);
  return space;
}

Space* GameSession::GetSpaceNew(const std::string& name, const std::string& level)
{
  if (spaces.count(name) != 0)
  {
    AssertFatal("There is already a space that has this name: " + name +
               " (they must be unique names) Use a different name or call GetSpace() to get the original and "
               "load into that one",
           __LINE__, __FILE__, "GameSession::GetSpaceNew");
    FatalCheckFailed();
    return spaces[name];
  }
  for (const auto& pending : pendingSpaces)
  {
    if (pending.first == name)
    {
      AssertFatal("There is already a space that has this name. (they must be unique names) Use a different name or "
             "call GetSpace() to get the original and load into that one",
             __LINE__, __FILE__, "GameSession::GetSpaceNew");
      FatalCheckFailed();
      return pending.second;
    }
  }
  Space* space = MakeSpace(name);
  pendingSpaces.emplace_back(name, space);
  space->SetCurrentLevelName(level);
  space->LoadLevel(level);
  return space;
}

Space* GameSession::MakeSpace(const std::string& name)
{
  Space* space = new Space(name);
  auto drawer = std::make_unique<SpaceDebugDraw>(*this, *space);
  if (PhysicsModule* physics = PhysicsModule::Of(space))
    physics->SetDebugDraw(drawer.get());
  debugDrawers[space] = std::move(drawer);
  return space;
}

void GameSession::DestroySpace(Space* space)
{
  space->UnloadLevel();
  space->ResetLevelName();
  RemoveSpace(space);
  if (PhysicsModule* physics = PhysicsModule::Of(space))
    physics->SetDebugDraw(nullptr);
  debugDrawers.erase(space);
  delete space;
}

void GameSession::ManageSpaces()
{
  for (auto entry = spaces.begin(); entry != spaces.end();)
  {
    if (entry->second->IsMarkedForRemoval())
    {
      DestroySpace(entry->second);
      entry = spaces.erase(entry);
    }
    else
      ++entry;
  }

  // Loading a pending space may make more of them (a level that opens its interface space).
  std::vector<std::pair<std::string, Space*>> adopted;
  adopted.swap(pendingSpaces);
  for (const auto& [name, space] : adopted)
  {
    if (space->IsMarkedForRemoval())
    {
      DestroySpace(space);
      continue;
    }
    const auto existing = spaces.find(name);
    if (existing != spaces.end() && existing->second != space)
      // A space replaced under its name without being marked would be lost and never deleted.
      DestroySpace(existing->second);
    spaces[name] = space;
  }

  for (auto& [name, space] : spaces)
  {
    space->ApplyNextFlags();
    const std::string pending = space->GetPendingLevel();
    if (pending.empty())
      continue;
    space->UnloadLevel();
    if (pending != "restart")
    {
      space->ResetLevelName();
      space->SetCurrentLevelName(pending);
    }
    space->LoadLevel(space->GetName());
  }

  if (spaces.empty())
  {
    if (!reportedNoSpaces)
      Assert("There are no spaces loaded", __LINE__, __FILE__, "GameSession::ManageSpaces");
    reportedNoSpaces = true;
  }
  else
    reportedNoSpaces = false;
}

void GameSession::KeepOnlyEditorSpace()
{
  bool removed = false;
  for (auto entry = spaces.begin(); entry != spaces.end();)
  {
    if (entry->first == EditorSpaceName)
    {
      ++entry;
      continue;
    }
    DestroySpace(entry->second);
    entry = spaces.erase(entry);
    removed = true;
  }
  if (!removed)
    return;
  spaces.clear();
  if (editorSpace != nullptr)
    spaces[EditorSpaceName] = editorSpace;
}

void GameSession::UnloadAllSpaces()
{
  for (auto& entry : spaces)
    DestroySpace(entry.second);
  spaces.clear();
  // Unloading may still make pending spaces; they go too.
  while (!pendingSpaces.empty())
  {
    std::vector<std::pair<std::string, Space*>> pending;
    pending.swap(pendingSpaces);
    for (auto& entry : pending)
      DestroySpace(entry.second);
  }
  hardPausedSpaces.clear();
}

// --- Focus pause -------------------------------------------------------------------------------

void GameSession::HardPause()
{
  for (auto& [name, space] : spaces)
  {
    // A space already asked to pause this frame counts as paused: it is the player's pause.
    if (space->IsPaused() || !space->IsNextActive())
      continue;
    hardPausedSpaces.push_back(name);
    space->SetPaused(true);
  }
  // Mute is a toggle: only a sound that plays is muted, and only then is an unmute owed.
  const SoundSystem* sound = SoundSystem::Instance();
  EventManager* events = EventManager::Instance();
  if (events != nullptr && !focusMuted && (sound == nullptr || !sound->IsMuted()))
  {
    events->QueueEvent(MemoryManager::New<Mute>(BRINDLE_SITE, SoundSystemChannel));
    focusMuted = true;
  }
}

void GameSession::HardUnPause()
{
  for (const std::string& name : hardPausedSpaces)
  {
    const auto found = spaces.find(name);
    if (found != spaces.end())
      found->second->Unpause();
  }
  hardPausedSpaces.clear();
  // The mute queued at focus loss is undone by a second toggle, also when it has not been
  // delivered yet (focus lost and back within one frame).
  EventManager* events = EventManager::Instance();
  if (events != nullptr && focusMuted)
    events->QueueEvent(MemoryManager::New<Mute>(BRINDLE_SITE, SoundSystemChannel));
  focusMuted = false;
}

// --- The frame ---------------------------------------------------------------------------------

void GameSession::RunGameInstance()
{
  running = true;
  frameRateController->StartFrame();
  frameRateController->SetClampDt(true);
  frameRateController->EndFrame();
  frameRateController->LimitFrame(FrameMarginUs);
  GetSpace(settings.currentLevel, settings.currentLevel);
  BeginInterfaceFrame();
  const Json::Value& editorSettings = settings.EditorSettings();
  settings.showDebugView = editorSettings.isObject() && editorSettings["showDebugView"].isBool() &&
                           editorSettings["showDebugView"].asBool();
  debugDrawing = false;
  // The lights' editor markers belong to the editor's view, not to play.
  PointLight::SetEditorMarkers(false);

  do
  {
    RunGameFrame();
    if (framesLeft > 0 && --framesLeft == 0)
      StopAll();
  } while (running);

  UnloadAllSpaces();
}

void GameSession::RunGameFrame()
{
  frameStatistics.BeginFrame(frameRateController->GetTimeUs());
  console->PollOutput();
  const float dt = frameRateController->GetDt();

  Profiler::BeginScope("Sound", "");
  if (SoundSystem* sound = SoundSystem::Instance())
    sound->Update();
  Profiler::EndScope();

  Profiler::BeginScope("Spaces", "");
  if (Input* input = Input::Instance())
    input->Update();
  HandleWindowState();
  if (InputActionMap* actions = InputActionMap::Instance())
    actions->Update(dt);
  if (Input* input = Input::Instance(); input != nullptr && input->IsKeyTriggered(BackQuoteKey))
    ToggleDebugView();
  ManageSpaces();
  Profiler::EndScope();

  Profiler::BeginScope("Physics", "");
  for (auto& [name, space] : spaces)
  {
    if (!space->IsActive())
      continue;
    Profiler::PushScopeCurrentColor(name, "");
    if (PhysicsModule* physics = PhysicsModule::Of(space))
      physics->Update(dt);
    Profiler::EndScope();
  }
  Profiler::EndScope();

  Profiler::BeginScope("Update", "");
  DispatchUpdateEvents(dt);
  Profiler::EndScope();

  Profiler::BeginScope("GraphicsEvent", "");
  DispatchDrawEvents();
  Profiler::EndScope();

  Profiler::BeginScope("Draw", "");
  Render();
  Profiler::EndScope();

  Profiler::BeginScope("editor", "");
  // The editor's menu bar joins here when the editor exists; the console is part of its view.
  if (settings.showDebugView && settings.showConsole)
    console->Draw(consoleInput, sizeof(consoleInput));
  Profiler::EndScope();

  EndInterfaceFrame();
  BeginInterfaceFrame();

  Profiler::BeginScope("Swap buffers", "");
  SDL_GL_SwapWindow(GetWindow());
  Profiler::EndScope();

  Profiler::BeginScopeColored("Sleep", {1.0f, 0.1f, 1.0f}, "");
  frameStatistics.EndWork(frameRateController->GetTimeUs());
  frameRateController->EndFrame();
  frameRateController->LimitFrame(FrameMarginUs);
  frameStatistics.EndFrame(frameRateController->GetTimeUs());
  Profiler::EndScope();

  profiler->Draw(console->showProfiler);
  memoryWindow->Draw(memoryManager);
  if (frameObserver)
    frameObserver();
}

void GameSession::DispatchUpdateEvents(float dt)
{
  EventManager* events = EventManager::Instance();
  if (events == nullptr)
    return;
  Profiler::BeginScope("Dispatch", "");
  for (auto& [name, space] : spaces)
    if (space->IsActive())
      events->SendEvent(MemoryManager::New<PreUpdateEvent>(BRINDLE_SITE, space->GetId(), dt));
  for (auto& [name, space] : spaces)
  {
    if (space->IsActive())
      events->SendEvent(MemoryManager::New<UpdateEvent>(BRINDLE_SITE, space->GetId(), dt,
                                                         frameRateController->GetElapsedTime()));
    else
      events->SendEvent(MemoryManager::New<PauseUpdateEvent>(BRINDLE_SITE, space->GetId(), dt));
  }
  events->ProcessQueue();
  for (auto& [name, space] : spaces)
    if (space->IsActive())
      events->SendEvent(MemoryManager::New<PostUpdateEvent>(BRINDLE_SITE, space->GetId(), dt));
  Profiler::EndScope();

  Profiler::BeginScope("ProcessMEQ", "");
  events->ProcessQueue();
  Profiler::EndScope();
}

void GameSession::DispatchDrawEvents()
{
  EventManager* events = EventManager::Instance();
  if (events == nullptr)
    return;
  for (auto& [name, space] : spaces)
  {
    if (!space->IsVisible())
      continue;
    events->SendEvent(MemoryManager::New<DrawEvent>(BRINDLE_SITE, space->GetId(), this));
    if (PhysicsModule* physics = PhysicsModule::Of(space); debugDrawing && physics != nullptr)
      physics->DebugDraw();
  }
}

void GameSession::HandleWindowState()
{
  if (TerminationSignal::IsRequested())
    StopAll();
  const Input* input = Input::Instance();
  if (input == nullptr)
    return;
  if (input->WasCloseRequested())
    StopAll();
  SDL_Window* window = GetWindow();
  if (input->WasFocusLost())
  {
    if (fullscreen && window != nullptr)
      SDL_MinimizeWindow(window);
    HardPause();
  }
  if (input->WasFocusGained())
  {
    if (window != nullptr && (SDL_GetWindowFlags(window) & SDL_WINDOW_MINIMIZED) != 0)
      SDL_RestoreWindow(window);
    HardUnPause();
  }
}

// --- The editor loop ---------------------------------------------------------------------------

void GameSession::RunEditorInstance()
{
  editorCamera = MemoryManager::New<Camera>(BRINDLE_SITE);
  editorCameraTransform = MemoryManager::New<Transform>(BRINDLE_SITE);
  editorCamera->SetTransform(editorCameraTransform);
  LoadEditorLevel(settings.currentLevel);
  running = false;
  editorRunning = true;
  frameRateController->StartFrame();
  frameRateController->SetClampDt(true);
  frameRateController->EndFrame();
  frameRateController->LimitFrame(FrameMarginUs);
  BeginInterfaceFrame();
  panning = false;
  panAnchor = glm::vec2(0.0f, 0.0f);
  settings.showDebugView = true;
  debugDrawing = true;
  PointLight::SetEditorMarkers(true);

  do
  {
    RunEditorFrame();
    if (framesLeft > 0 && --framesLeft == 0)
      StopAll();
  } while (editorRunning);

  SaveEditorCamera();
  SaveSettings();
  UnloadAllSpaces();
  editorSpace = nullptr;
  UnregisterCamera(editorCamera);
  MemoryManager::Delete(editorCamera);
  MemoryManager::Delete(editorCameraTransform);
  editorCamera = nullptr;
  editorCameraTransform = nullptr;
  PointLight::SetEditorMarkers(false);
}

void GameSession::RunEditorFrame()
{
  frameStatistics.BeginFrame(frameRateController->GetTimeUs());
  console->PollOutput();
  if (SoundSystem* sound = SoundSystem::Instance())
    sound->Update();
  const float dt = frameRateController->GetDt();

  Profiler::BeginScope("Spaces", "");
  ManageSpaces();
  KeepOnlyEditorSpace();
  Input* input = Input::Instance();
  if (input != nullptr)
    input->Update();
  HandleWindowState();
  if (InputActionMap* actions = InputActionMap::Instance())
    actions->Update(dt);
  Profiler::EndScope();

  if (input != nullptr && input->IsKeyTriggered(SDLK_ESCAPE))
    editorRunning = false;

  Profiler::BeginScope("Graphics", "");
  if (editorSpace != nullptr)
    editorSpace->SetCurrentCamera(editorCamera);
  ClearCameras();
  RegisterCamera(editorCamera, editorSpace);
  editorCamera->UpdateMouseWorldPosition();
  if (input != nullptr)
  {
    // The wheel reads 0 while the mouse is over an interface window.
    if (input->GetMouseWheel() != 0)
      ZoomEditorCamera(static_cast<float>(input->GetMouseWheel()));
    // The grabbed world point stays under the cursor while the middle button is held.
    if (input->IsMouseButtonTriggered(1))
    {
      panning = true;
      panAnchor = editorCamera->GetMouseWorldPosition();
    }
    else if (input->IsMouseButtonReleased(1))
      panning = false;
    else if (panning)
      editorCameraTransform->Translate(panAnchor - editorCamera->GetMouseWorldPosition());
  }
  if (const InputActionMap* actions = InputActionMap::Instance())
    editorCameraTransform->Translate(actions->GetAxis(0, AXIS_EDITOR_PAN) * (editorCameraTransform->GetScale().x * 10.0f));

  if (EventManager* events = EventManager::Instance())
    for (auto& [name, space] : spaces)
      events->SendEvent(MemoryManager::New<DrawEvent>(BRINDLE_SITE, space->GetId(), this));
  for (auto& [name, space] : spaces)
    if (PhysicsModule* physics = PhysicsModule::Of(space))
      physics->DebugDraw();
  Render();
  Profiler::EndScope();

  if (settings.showConsole)
    console->Draw(consoleInput, sizeof(consoleInput));
  profiler->Draw(console->showProfiler);
  memoryWindow->Draw(memoryManager);

  EndInterfaceFrame();
  BeginInterfaceFrame();
  SDL_GL_SwapWindow(GetWindow());

  frameStatistics.EndWork(frameRateController->GetTimeUs());
  frameRateController->EndFrame();
  frameRateController->LimitFrame(FrameMarginUs);
  frameStatistics.EndFrame(frameRateController->GetTimeUs());
  if (frameObserver)
    frameObserver();

  if (input != nullptr && input->IsKeyTriggered(SDLK_F6) && editorRunning)
    PlayFromEditor(settings.currentLevel);
  if (input != nullptr && input->IsKeyTriggered(SDLK_F5) && editorRunning)
  {
    const std::string edited = settings.currentLevel;
    PlayFromEditor(settings.firstLevel);
    settings.currentLevel = edited;
  }
}

void GameSession::PlayFromEditor(const std::string& level)
{
  settings.currentLevel = level;
  // The editor's space leaves the map without being unloaded and comes back after the game.
  spaces.clear();
  RunGameInstance();
  if (editorSpace != nullptr)
    spaces[EditorSpaceName] = editorSpace;
  settings.showDebugView = true;
  debugDrawing = true;
  PointLight::SetEditorMarkers(true);
}

void GameSession::LoadEditorLevel(const std::string& level)
{
  editorSpace = GetSpace(EditorSpaceName, level);
  const Json::Value camera = settings.GetEditorCamera(level);
  if (!camera.isNull() && editorCameraTransform != nullptr)
    editorCameraTransform->Deserialize(camera);
}

void GameSession::SaveEditorCamera()
{
  if (editorSpace == nullptr || editorCameraTransform == nullptr)
    return;
  Json::Value serialized(Json::objectValue);
  editorCameraTransform->SerializeMembers(serialized);
  settings.SetEditorCamera(editorSpace->GetName(), serialized);
}

void GameSession::ZoomEditorCamera(float wheel)
{
  if (editorCamera == nullptr || editorCameraTransform == nullptr)
    return;
  const float scale = std::max(editorCameraTransform->GetScale().x - wheel * 0.25f, 0.1f);
  const glm::vec2 before = editorCamera->GetMouseWorldPosition();
  editorCameraTransform->SetScale(glm::vec2(scale, scale));
  editorCamera->UpdateMouseWorldPosition();
  editorCameraTransform->Translate(before - editorCamera->GetMouseWorldPosition());
  editorCamera->UpdateMouseWorldPosition();
}

void GameSession::BeginInterfaceFrame()
{
  // A game started from inside the editor finds the editor's frame already begun.
  if (interfaceFrameOpen)
    return;
  ImGuiBinding::NewFrame(GetWindow());
  interfaceFrameOpen = true;
}

void GameSession::EndInterfaceFrame()
{
  ImGuiBinding::Render();
  interfaceFrameOpen = false;
}

// --- Settings ----------------------------------------------------------------------------------

bool GameSession::LoadSettings()
{
  const auto& layers = GetLayerOrder();
  return settings.Load([&layers](const std::string& name, float ambient) {
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
}

void GameSession::SaveSettings()
{
  settings.Save();
}

void GameSession::ToggleDebugView()
{
  settings.showDebugView = !settings.showDebugView;
  SaveSettings();
}

// --- ConsoleHost -------------------------------------------------------------------------------

std::vector<std::string> GameSession::GetSpaceNames() const
{
  std::vector<std::string> names;
  for (const auto& entry : spaces)
    names.push_back(entry.first);
  for (const auto& pending : pendingSpaces)
    if (spaces.count(pending.first) == 0 &&
        std::find(names.begin(), names.end(), pending.first) == names.end())
      names.push_back(pending.first);
  return names;
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

float GameSession::GetFrameTime() const
{
  return frameRateController->GetRawDt();
}

std::int64_t GameSession::GetDtUs() const
{
  return frameRateController->GetDtUs();
}
