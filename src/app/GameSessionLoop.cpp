// The game loop: its frame, the frame's events, the window's state and the pause on focus loss,
// and the frame scaffold the editor loop shares (app/GameSessionEditorLoop.cpp).
#include "app/GameSession.h"

#include "app/FrameRateController.h"
#include "app/SessionStateReport.h"
#include "audio/SoundEvents.h"
#include "audio/SoundSystem.h"
#include "core/EventManager.h"
#include "core/Profiler.h"
#include "core/Send.h"
#include "editor/ConsoleGui.h"
#include "editor/Editor.h"
#include "editor/ImGuiBinding.h"
#include "editor/MemoryProfileWindow.h"
#include "flow/actions/ActionSystem.h"
#include "input/Input.h"
#include "input/InputActionMap.h"
#include "object/FrameEvents.h"
#include "object/Space.h"
#include "physics/PhysicsModule.h"
#include "platform/StateRequestSignal.h"
#include "platform/TerminationSignal.h"
#include "render/PointLight.h"

#include <SDL.h>

namespace
{
constexpr SDL_Keycode BackQuoteKey = 0x60;
}  // namespace

// --- The frame scaffold both loops share -------------------------------------------------------

void GameSession::StartLoop()
{
  // The elapsed time counts from the latest loop start.
  frameRateController->StartFrame();
  frameRateController->SetClampDt(true);
  frameRateController->EndFrame();
  frameRateController->LimitFrame(FrameMarginUs);
}

void GameSession::RunFrames(const bool& keepRunning, void (GameSession::*frame)())
{
  // The body always runs whole; the flag is tested at its end.
  do
  {
    (this->*frame)();
    // Answered between frames, where what the report says has been drawn.
    if (StateRequestSignal::TakeRequest())
      SessionStateReport::Write(*this);
    if (framesLeft > 0 && --framesLeft == 0)
      StopAll();
  } while (keepRunning);
}

void GameSession::BeginFrame()
{
  frameStatistics.BeginFrame(frameRateController->GetTimeUs());
  frameStatistics.AddStep(frameRateController->GetDtUs());
  console->PollOutput();
}

void GameSession::SwapWindow()
{
  SDL_GL_SwapWindow(GetWindow());
}

void GameSession::WaitForNextFrame()
{
  frameStatistics.EndWork(frameRateController->GetTimeUs());
  frameRateController->EndFrame();
  frameRateController->LimitFrame(FrameMarginUs);
  frameStatistics.EndFrame(frameRateController->GetTimeUs());
}

void GameSession::DrawDebugWindows()
{
  profiler->Draw(console->showProfiler);
  memoryWindow->Draw(memoryManager);
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

// --- The game loop -----------------------------------------------------------------------------

void GameSession::RunGameInstance()
{
  running = true;
  StartLoop();
  GetSpace(settings.currentLevel, settings.currentLevel);
  BeginInterfaceFrame();
  // The game shows what the person chose, whatever the editor showed before it.
  debugViewShown = settings.showDebugView;
  debugDrawing = false;
  // The lights' editor markers belong to the editor's view, not to play.
  PointLight::SetEditorMarkers(false);

  RunFrames(running, &GameSession::RunGameFrame);

  UnloadAllSpaces();
}

void GameSession::RunGameFrame()
{
  BeginFrame();
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
  // The timed setters run here, between the spaces' management and their updates, also for
  // spaces that are paused.
  actionSystem->Update();
  Profiler::EndScope();

  Profiler::BeginScope("Physics", "");
  for (auto& [name, space] : GetSpaces())
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
  // The editor over the game; the console is part of its view.
  if (debugViewShown)
  {
    editor->Draw();
    if (consoleShown)
      console->Draw(consoleInput, sizeof(consoleInput));
  }
  Profiler::EndScope();

  EndInterfaceFrame();
  BeginInterfaceFrame();

  Profiler::BeginScope("Swap buffers", "");
  SwapWindow();
  Profiler::EndScope();

  Profiler::BeginScopeColored("Sleep", {1.0f, 0.1f, 1.0f}, "");
  WaitForNextFrame();
  Profiler::EndScope();

  // Drawn into the interface frame just begun: they show with the next frame.
  DrawDebugWindows();
  if (frameObserver)
    frameObserver();
}

void GameSession::DispatchUpdateEvents(float dt)
{
  EventManager* events = EventManager::Instance();
  if (events == nullptr)
    return;
  Profiler::BeginScope("Dispatch", "");
  for (auto& [name, space] : GetSpaces())
    if (space->IsActive())
      SendNow<PreUpdateEvent>(BRINDLE_SITE, space->GetId(), dt);
  for (auto& [name, space] : GetSpaces())
  {
    if (space->IsActive())
      SendNow<UpdateEvent>(BRINDLE_SITE, space->GetId(), dt, frameRateController->GetElapsedTime());
    else
      SendNow<PauseUpdateEvent>(BRINDLE_SITE, space->GetId(), dt);
  }
  events->ProcessQueue();
  for (auto& [name, space] : GetSpaces())
    if (space->IsActive())
      SendNow<PostUpdateEvent>(BRINDLE_SITE, space->GetId(), dt);
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
  for (auto& [name, space] : GetSpaces())
  {
    if (!space->IsVisible())
      continue;
    SendNow<DrawEvent>(BRINDLE_SITE, space->GetId(), this);
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

void GameSession::UnloadAllSpaces()
{
  namedSpaces.UnloadAll();
  hardPausedSpaces.clear();
}

// --- Focus pause -------------------------------------------------------------------------------

void GameSession::HardPause()
{
  for (auto& [name, space] : GetSpaces())
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
    Queue<Mute>(BRINDLE_SITE, SoundSystemChannel);
    focusMuted = true;
  }
}

void GameSession::HardUnPause()
{
  for (const std::string& name : hardPausedSpaces)
  {
    const auto found = GetSpaces().find(name);
    if (found != GetSpaces().end())
      found->second->Unpause();
  }
  hardPausedSpaces.clear();
  // The mute queued at focus loss is undone by a second toggle, also when it has not been
  // delivered yet (focus lost and back within one frame).
  EventManager* events = EventManager::Instance();
  if (events != nullptr && focusMuted)
    Queue<Mute>(BRINDLE_SITE, SoundSystemChannel);
  focusMuted = false;
}
