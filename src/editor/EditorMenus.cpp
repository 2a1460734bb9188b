// The editor's main menu bar: File, View, Run, Game, Load and Utility.
#include "editor/Editor.h"

#include "editor/ConsoleGui.h"
#include "editor/EditorHost.h"
#include "editor/MemoryProfileWindow.h"
#include "object/Space.h"
#include "object/SpaceNames.h"
#include "render/Graphics.h"
#include "render/ResourceManagerTwo.h"

#include <imgui.h>

namespace Editor
{
void Editor::DrawMainMenuBar()
{
  if (!ImGui::BeginMainMenuBar())
    return;
  DrawFileMenu();
  DrawViewMenu();
  DrawRunMenu();
  DrawGameMenu();
  DrawLoadMenu();
  DrawUtilityMenu();
  ImGui::EndMainMenuBar();
}

void Editor::DrawFileMenu()
{
  if (!ImGui::BeginMenu("File"))
    return;
  if (ImGui::MenuItem("Save                  ", nullptr, false, !host->IsRunning()))
    saveRequested = !saveRequested;
  if (ImGui::MenuItem("Reload Level and Prefabs"))
    ReloadLevelAndPrefabs();
  if (ImGui::IsItemHovered())
    ImGui::SetTooltip("Reloads editor level without saving! (for now)\nAlso ends the game if it's running");
  bool& startInEditMode = host->StartInEditModeFlag();
  const bool wasStartingInEditMode = startInEditMode;
  ImGui::MenuItem("Launch in Editor Mode", nullptr, &startInEditMode);
  if (ImGui::IsItemHovered())
    ImGui::SetTooltip("Requires restart");
  if (startInEditMode != wasStartingInEditMode)
    host->SaveSettings();
  if (host->IsRunning())
  {
    if (ImGui::MenuItem("Quit Game             [Esc]"))
      host->StopGame();
  }
  else if (ImGui::MenuItem("Quit Editor           [Esc]"))
    host->StopEditor();
  ImGui::EndMenu();
}

void Editor::ReloadLevelAndPrefabs()
{
  if (GameobjectFactory* factory = GameobjectFactory::Instance())
    factory->ReLoadPrefabs();
  if (host->IsEditorRunning())
  {
    if (Space* space = host->GetEditorSpace())
      space->RestartLevel();
    host->StopGame();
    return;
  }
  // Over the game: the first space starts its level again, every other space goes.
  bool first = true;
  for (const auto& [name, space] : host->GetSpaces())
  {
    if (first)
      space->RestartLevel();
    else
      space->MarkForRemoval();
    first = false;
  }
}

void Editor::DrawViewMenu()
{
  if (!ImGui::BeginMenu("View"))
    return;
  ImGui::MenuItem("Sprite Resource Manager", nullptr, &showResourceEditor);
  ImGui::MenuItem("Object List", nullptr, &showObjectWindows);
  ImGui::MenuItem("Prefab Editor", nullptr, &showPrefabEditor);
  ImGui::MenuItem("Debug Draw", nullptr, &host->GetRenderer().debugDrawing);
  ImGui::MenuItem("Ambience Editor", nullptr, &showAmbienceEditor);
  if (ImGui::MenuItem("Ducks", nullptr, ResourceManagerTwo::GetDuckSwitch()))
    ResourceManagerTwo::SetDuckSwitch(!ResourceManagerTwo::GetDuckSwitch());
  ImGui::EndMenu();
}

void Editor::DrawRunMenu()
{
  if (!ImGui::BeginMenu("Run", !host->IsRunning()))
    return;
  if (ImGui::MenuItem("This Level    [F6]"))
    playThisLevelRequested = true;
  if (ImGui::MenuItem("First Level   [F5]"))
    playFirstLevelRequested = true;
  ImGui::EndMenu();
}

void Editor::DrawGameMenu()
{
  if (!ImGui::BeginMenu("Game"))
    return;
  const bool open = ImGui::BeginMenu("First Level");
  if (ImGui::IsItemHovered())
    ImGui::SetTooltip("Sets the first level to load when starting the game");
  if (open)
  {
    for (const std::string& level : levelNames)
    {
      if (ImGui::MenuItem(level.c_str(), nullptr, level == host->GetFirstLevel()))
      {
        host->SetFirstLevel(level);
        host->SaveSettings();
      }
    }
    ImGui::EndMenu();
  }
  ImGui::EndMenu();
}

void Editor::DrawLoadMenu()
{
  if (!ImGui::BeginMenu("Load"))
    return;
  const bool gameRunning = host->IsRunning();
  for (const std::string& level : levelNames)
  {
    const bool current = !gameRunning && level == host->GetEditedLevel();
    if (!ImGui::MenuItem(level.c_str(), nullptr, current))
      continue;
    if (gameRunning)
    {
      for (const auto& [name, space] : host->GetSpaces())
        space->MarkForRemoval();
      host->GetSpace(SpaceNames::Utility, level);
    }
    else
    {
      host->SaveEditorCamera();
      host->SetEditedLevel(level);
      editedLevelChanged = true;
      host->SaveSettings();
    }
  }
  ImGui::EndMenu();
}

void Editor::DrawUtilityMenu()
{
  if (!ImGui::BeginMenu("Utility"))
    return;
  ImGui::MenuItem("Console", nullptr, &host->ConsoleFlag());
  ImGui::MenuItem("Profiler", nullptr, &host->GetConsole().showProfiler);
  ImGui::MenuItem("Memory", nullptr, &host->GetMemoryWindow().open);
  ImGui::EndMenu();
}
}  // namespace Editor
