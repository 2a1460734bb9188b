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
  DrawReplaceUnreadLevelPopup();
}

void Editor::DrawReplaceUnreadLevelPopup()
{
  constexpr const char* title = "Replace the level file?";
  Space* space = host->GetEditorSpace();
  if (saveRequested && space != nullptr && space->GetUnreadParts().IsUnread() && !replaceUnreadLevelConfirmed)
  {
    // The save waits for the person's answer.
    saveRequested = false;
    ImGui::OpenPopup(title);
  }
  if (!ImGui::BeginPopupModal(title, nullptr, ImGuiWindowFlags_AlwaysAutoResize))
    return;
  ImGui::Text("The file of \"%s\" could not be loaded (%s).", space != nullptr ? space->GetName().c_str() : "",
              space != nullptr ? space->GetUnreadParts().UnreadReason().c_str() : "");
  ImGui::Text("Saving replaces everything it holds with the objects shown here.");
  if (ImGui::Button("Replace"))
  {
    replaceUnreadLevelConfirmed = true;
    saveRequested = true;
    ImGui::CloseCurrentPopup();
  }
  ImGui::SameLine();
  if (ImGui::Button("Cancel"))
    ImGui::CloseCurrentPopup();
  ImGui::EndPopup();
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
  if (bool console = host->IsConsoleShown(); ImGui::MenuItem("Console", nullptr, &console))
    host->ChooseConsoleShown(console);
  ImGui::MenuItem("Profiler", nullptr, &host->GetConsole().showProfiler);
  ImGui::MenuItem("Memory", nullptr, &host->GetMemoryWindow().open);
  ImGui::EndMenu();
}
}  // namespace Editor
