#pragma once
// The in-game level editor, drawn with Dear ImGui once per frame: always in the editor loop, and
// over the game while the debug view is on. It edits what the game reads at run time: the objects
// of the edited level and their members, the prefab templates, the ambient light per layer and
// the settings, and it asks the session to save, reload or play the level.
//
// Sections of its sources:
//   Editor.cpp           life, the frame (Draw), the object windows, picking, the move gizmo
//   EditorMenus.cpp      the main menu bar
//   EditorInspector.cpp  the held object's inspector, the prefab editor, the ambience editor
//
// The session reads and clears the request flags (save, play, edited level changed) after the
// frame; the editor never saves or switches levels in the middle of drawing.
#include "core/Handle.h"
#include "editor/EditorTool.h"
#include "editor/ResourceEditor.h"
#include "object/GameobjectFactory.h"

#include <glm/vec2.hpp>
#include <imgui.h>

#include <memory>
#include <string>
#include <vector>

class Component;
class EditorHost;
class GameObject;
class Space;

namespace Editor
{
class Editor
{
public:
  // The editor works on the host's spaces and settings; without a host it draws nothing.
  explicit Editor(EditorHost* host = nullptr);
  ~Editor();
  Editor(const Editor&) = delete;
  Editor& operator=(const Editor&) = delete;

  void SetHost(EditorHost* newHost) { host = newHost; }

  // Lists the level files of the folder (name without folder and ".json") into levelNames.
  void RefreshLevelList(const std::string& directory = "Assets/LevelFiles/");
  // The level name of one listed file: the text after the last separator ('\' or '/') and before
  // the first ".json"; a name without ".json" keeps everything after the separator.
  static std::string LevelNameOf(const std::string& path);

  // Once per frame, after the scene is rendered and before the interface is.
  void Draw();
  // The ship tile window paints with the mouse: while it draws, viewport clicks pick nothing.
  static void SuppressPicking();
  // Empties the selection and every tool's held object.
  void ResetTools();
  // Lets go of the selected and held objects that are gone; called whenever a level is unloaded,
  // so no handle outlives its level. Only those: the editor takes away, as they come, the spaces
  // that objects make as they wake (a player's copy makes its health's indicator), and that takes
  // nothing the designer holds.
  void ForgetRemovedObjects();

  // The object of the space under a world position: among the objects with a Transform and no
  // parent whose box (the sprite's frame size, else 15 x 15) holds the point, the nearest, a later
  // one replacing it when within 1.0 of the best distance. Empty when there is none.
  static Handle<GameObject> FindObjectAt(Space& space, glm::vec2 worldPosition);
  // The object list's "New Object": an object of the prefab, named "New Object", where the editor
  // camera looks, held by the current tool; saved with the level unless the game is running.
  void CreateObjectFromPrefab(const std::string& prefabName, Space* space);

  // The object window's "Delete": the object goes at once, its children stay where they are.
  void DeleteObject(Handle<GameObject> object);
  // The inspector's "Delete" on one component of the object, after the component list was drawn:
  // the component goes at once. The Transform stays, with a warning.
  void DeleteComponent(GameObject& object, const Component* component);

  EditorTool* GetCurrentTool() const { return currentTool; }
  void SetCurrentTool(EditorTool* tool) { currentTool = tool; }
  const std::vector<std::unique_ptr<EditorTool>>& GetTools() const { return tools; }
  Selection& GetSelection() { return selection; }
  ResourceEditor& GetResourceEditor() { return resourceEditor; }
  const std::vector<std::string>& GetLevelNames() const { return levelNames; }
  const std::string& GetSelectedPrefabName() const { return selectedPrefabName; }
  bool IsDraggingGizmo() const { return gizmoDragging; }

  // Window switches, each a menu item.
  bool showPrefabEditor = false;
  bool showAmbienceEditor = false;
  bool showObjectWindows = false;
  bool showResourceEditor = false;
  // Requests the session reads and clears after the frame.
  bool playThisLevelRequested = false;
  bool playFirstLevelRequested = false;
  bool saveRequested = false;
  // The level's file could not be read when it was opened; the person confirmed that the save
  // replaces it with what the editor shows.
  bool replaceUnreadLevelConfirmed = false;
  bool editedLevelChanged = false;
  // Written by the session's picking every editor frame.
  Handle<GameObject> hoveredObject;
  // "Hide Nameless": objects without a name, and their children, are left out of the list.
  bool hideNameless = true;

private:
  // Editor.cpp
  static void PlaceWindowFirstTime(float left, float top, float width, float height);
  void DrawToolWindow();
  void DrawObjectsWindow();
  void DrawObjectNode(const Handle<GameObject>& object, bool topLevel);
  void DrawObjectWindow();
  void PickInViewport();
  void DragSelected(GameObject& object);
  void DrawMoveGizmo(glm::vec2 position, float size, float scale, Space* space, bool* hitX, bool* hitY,
                     glm::vec2 mouse);
  void DrawDroppedFiles();
  // EditorMenus.cpp
  void DrawMainMenuBar();
  void DrawReplaceUnreadLevelPopup();
  void DrawFileMenu();
  void DrawViewMenu();
  void DrawRunMenu();
  void DrawGameMenu();
  void DrawLoadMenu();
  void DrawUtilityMenu();
  void ReloadLevelAndPrefabs();
  // EditorInspector.cpp
  void DrawObjectInspector(GameObject& object);
  void DrawRenamePopup(GameObject& object);
  void DrawSavePrefabPopup(GameObject& object);
  void DrawComponentMembers(Component& component, bool isTemplate);
  // One selectable per component type or prefab, under a filter field that has the keyboard as
  // the list appears: typing a part of a name is quicker than scrolling through every entry.
  bool PickComponentType(std::string& name);
  bool PickPrefab(std::string& name);
  static bool PickFromList(const std::vector<std::string>& entries, std::string& name, ImGuiTextFilter& filter);
  void DrawPrefabEditor();
  void DrawAmbienceEditor();

  EditorHost* host;
  std::vector<std::unique_ptr<EditorTool>> tools;
  EditorTool* currentTool = nullptr;
  Selection selection;
  ResourceEditor resourceEditor;
  std::vector<std::string> levelNames;
  std::string selectedPrefabName;
  ImGuiTextFilter componentFilter;
  ImGuiTextFilter prefabFilter;
  // The component just added to the held object shows its members at once.
  const Component* addedComponent = nullptr;
  // The popups' text fields. A name longer than a buffer is shown cut short and kept whole unless
  // the user types: a field is written back only when it was edited.
  char renameBuffer[128] = {};
  char prefabNameBuffer[128] = {};
  bool renameEdited = false;
  bool prefabNameEdited = false;
  bool prefabNameConfirmed = false;
  // The objects the popups were opened for: another object may be held by the time they close.
  Handle<GameObject> renameTarget;
  Handle<GameObject> prefabTarget;
  bool renamePopupOpen = false;
  bool savePrefabPopupOpen = false;
  // Escape closed the topmost popup in this frame: what was typed into it is dropped.
  bool popupCancelled = false;
  bool newFilesDropped = false;
  bool gizmoDragging = false;
  bool gizmoHitX = false;
  bool gizmoHitY = false;
  bool gizmoHovered = false;
  glm::vec2 previousMouseWorld{0.0f, 0.0f};
};
}  // namespace Editor
