// The editor loop: one level in "Editor Space" under the editor's free camera, with F6 and F5
// playing the game from inside it. It shares the frame scaffold of app/GameSessionLoop.cpp.
#include "app/GameSession.h"

#include "app/FrameRateController.h"
#include "audio/SoundSystem.h"
#include "core/EventManager.h"
#include "core/MemoryManager.h"
#include "core/Profiler.h"
#include "editor/ConsoleGui.h"
#include "editor/EditorCamera.h"
#include "input/Input.h"
#include "input/InputActionMap.h"
#include "object/FrameEvents.h"
#include "object/Space.h"
#include "physics/PhysicsModule.h"
#include "render/Camera.h"
#include "render/PointLight.h"

#include <SDL.h>

void GameSession::RunEditorInstance()
{
  editorCamera = std::make_unique<EditorCamera>();
  LoadEditorLevel(settings.currentLevel);
  running = false;
  editorRunning = true;
  StartLoop();
  BeginInterfaceFrame();
  settings.showDebugView = true;
  debugDrawing = true;
  PointLight::SetEditorMarkers(true);

  RunFrames(editorRunning, &GameSession::RunEditorFrame);

  SaveEditorCamera();
  SaveSettings();
  UnloadAllSpaces();
  SetEditorSpace(nullptr);
  UnregisterCamera(editorCamera->GetCamera());
  editorCamera.reset();
  PointLight::SetEditorMarkers(false);
}

void GameSession::RunEditorFrame()
{
  BeginFrame();
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
  Space* editorSpace = GetEditorSpace();
  Camera* camera = editorCamera->GetCamera();
  if (editorSpace != nullptr)
    editorSpace->SetCurrentCamera(camera);
  ClearCameras();
  RegisterCamera(camera, editorSpace);
  camera->UpdateMouseWorldPosition();
  editorCamera->Update(input, InputActionMap::Instance());

  // Every space is drawn in the editor, visible or not.
  if (EventManager* events = EventManager::Instance())
    for (auto& [name, space] : GetSpaces())
      events->SendEvent(MemoryManager::New<DrawEvent>(BRINDLE_SITE, space->GetId(), this));
  for (auto& [name, space] : GetSpaces())
    if (PhysicsModule* physics = PhysicsModule::Of(space))
      physics->DebugDraw();
  Render();
  Profiler::EndScope();

  if (settings.showConsole)
    console->Draw(consoleInput, sizeof(consoleInput));
  DrawDebugWindows();

  EndInterfaceFrame();
  BeginInterfaceFrame();
  SwapWindow();
  WaitForNextFrame();
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
  namedSpaces.SetEditorSpaceAside();
  RunGameInstance();
  namedSpaces.BringBackEditorSpace();
  settings.showDebugView = true;
  debugDrawing = true;
  PointLight::SetEditorMarkers(true);
}

void GameSession::LoadEditorLevel(const std::string& level)
{
  SetEditorSpace(GetSpace(EditorSpaceName, level));
  if (editorCamera != nullptr)
    editorCamera->Load(settings.GetEditorCamera(level));
}

void GameSession::SaveEditorCamera()
{
  if (GetEditorSpace() == nullptr || editorCamera == nullptr)
    return;
  settings.SetEditorCamera(GetEditorSpace()->GetName(), editorCamera->Save());
}

void GameSession::ZoomEditorCamera(float wheel)
{
  if (editorCamera != nullptr)
    editorCamera->Zoom(wheel);
}

Camera* GameSession::GetEditorCamera() const
{
  return editorCamera != nullptr ? editorCamera->GetCamera() : nullptr;
}

Transform* GameSession::GetEditorCameraTransform() const
{
  return editorCamera != nullptr ? editorCamera->GetTransform() : nullptr;
}
