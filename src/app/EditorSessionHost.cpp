#include "app/EditorSessionHost.h"

#include "app/GameSession.h"

bool EditorSessionHost::IsRunning() const
{
  return session.IsRunning();
}

bool EditorSessionHost::IsEditorRunning() const
{
  return session.IsEditorRunning();
}

void EditorSessionHost::StopGame()
{
  session.Stop();
}

void EditorSessionHost::StopEditor()
{
  session.StopEditor();
}

const std::map<std::string, Space*>& EditorSessionHost::GetSpaces() const
{
  return session.GetSpaces();
}

Space* EditorSessionHost::GetSpace(const std::string& name, const std::string& level)
{
  return session.GetSpace(name, level);
}

Space* EditorSessionHost::GetEditorSpace() const
{
  return session.GetEditorSpace();
}

Camera* EditorSessionHost::GetEditorCamera() const
{
  return session.GetEditorCamera();
}

void EditorSessionHost::UpdateEditorPicking()
{
  session.UpdateEditorPicking();
}

Graphics::Graphics& EditorSessionHost::GetRenderer()
{
  return session;
}

const std::string& EditorSessionHost::GetFirstLevel() const
{
  return session.GetSettings().firstLevel;
}

void EditorSessionHost::SetFirstLevel(const std::string& level)
{
  session.GetSettings().firstLevel = level;
}

const std::string& EditorSessionHost::GetEditedLevel() const
{
  return session.GetSettings().currentLevel;
}

void EditorSessionHost::SetEditedLevel(const std::string& level)
{
  session.GetSettings().currentLevel = level;
}

bool& EditorSessionHost::StartInEditModeFlag()
{
  return session.GetSettings().startInEditMode;
}

bool EditorSessionHost::IsConsoleShown() const
{
  return session.IsConsoleShown();
}

void EditorSessionHost::ChooseConsoleShown(bool shown)
{
  session.ChooseConsoleShown(shown);
}

std::map<std::string, float>& EditorSessionHost::GetLighting()
{
  return session.GetSettings().lighting;
}

bool EditorSessionHost::SaveSettings()
{
  return session.SaveSettings();
}

void EditorSessionHost::SaveEditorCamera()
{
  session.SaveEditorCamera();
}

ConsoleGui& EditorSessionHost::GetConsole()
{
  return session.GetConsole();
}

MemoryProfileWindow& EditorSessionHost::GetMemoryWindow()
{
  return session.GetMemoryWindow();
}
