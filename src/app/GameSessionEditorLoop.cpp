// The editor loop: one level in "Editor Space" under the editor's free camera, with F6 and F5
// playing the game from inside it. It shares the frame scaffold of app/GameSessionLoop.cpp.
#include "app/GameSession.h"

#include "app/FrameRateController.h"
#include "audio/SoundSystem.h"
#include "core/Log.h"
#include "core/Profiler.h"
#include "core/Send.h"
#include "editor/ConsoleGui.h"
#include "editor/Editor.h"
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
  debugViewShown = true;
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
  for (auto& [name, space] : GetSpaces())
    SendNow<DrawEvent>(BRINDLE_SITE, space->GetId(), this);
  for (auto& [name, space] : GetSpaces())
    if (PhysicsModule* physics = PhysicsModule::Of(space))
      physics->DebugDraw();
  Render();
  Profiler::EndScope();

  if (consoleShown)
    console->Draw(consoleInput, sizeof(consoleInput));
  DrawDebugWindows();
  editor->Draw();

  EndInterfaceFrame();
  BeginInterfaceFrame();
  SwapWindow();
  WaitForNextFrame();
  if (frameObserver)
    frameObserver();
  HandleEditorRequests();
}

void GameSession::HandleEditorRequests()
{
  // The requests are taken even when the loop ends this frame, so none waits for the next loop.
  const Input* input = Input::Instance();
  if (editor->saveRequested)
  {
    editor->saveRequested = false;
    SaveEditorLevel(Space::LevelDirectory, editor->replaceUnreadLevelConfirmed);
    editor->replaceUnreadLevelConfirmed = false;
  }
  const bool playThisLevel = editor->playThisLevelRequested || (input != nullptr && input->IsKeyTriggered(SDLK_F6));
  editor->playThisLevelRequested = false;
  if (playThisLevel && editorRunning)
    PlayFromEditor(settings.currentLevel);
  const bool playFirstLevel = editor->playFirstLevelRequested || (input != nullptr && input->IsKeyTriggered(SDLK_F5));
  editor->playFirstLevelRequested = false;
  if (playFirstLevel && editorRunning)
  {
    const std::string edited = settings.currentLevel;
    PlayFromEditor(settings.firstLevel);
    settings.currentLevel = edited;
  }
  if (editor->editedLevelChanged && editorRunning)
    LoadEditorLevel(settings.currentLevel);
  editor->editedLevelChanged = false;
}

bool GameSession::SaveEditorLevel(const std::string& levelDirectory, bool replaceUnreadFile)
{
  Space* space = GetEditorSpace();
  if (space == nullptr)
  {
    LogError("No level is open in the editor, so none was saved.");
    return false;
  }
  const std::string level = space->GetName();
  if (space->SaveLevel(levelDirectory + level + ".json", replaceUnreadFile))
    return true;
  LogError("The level \"", level, "\" was not saved; its file keeps what it held before, and the editor keeps the changes.");
  return false;
}

void GameSession::UpdateEditorPicking()
{
  const Camera* camera = GetEditorCamera();
  Space* space = GetEditorSpace();
  editor->hoveredObject = camera != nullptr && space != nullptr
                              ? ::Editor::Editor::FindObjectAt(*space, camera->GetMouseWorldPosition())
                              : Handle<GameObject>();
}

void GameSession::PlayFromEditor(const std::string& level)
{
  settings.currentLevel = level;
  // The editor's space leaves the map without being unloaded and comes back after the game.
  namedSpaces.SetEditorSpaceAside();
  RunGameInstance();
  namedSpaces.BringBackEditorSpace();
  debugViewShown = true;
  debugDrawing = true;
  PointLight::SetEditorMarkers(true);
}

void GameSession::LoadEditorLevel(const std::string& level)
{
  editor->editedLevelChanged = false;
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
