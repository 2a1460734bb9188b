#include "editor/Editor.h"

#include "core/FileUtilities.h"
#include "editor/EditorHost.h"
#include "editor/ImGuiBinding.h"
#include "editor/ParentTool.h"
#include "editor/SelectTool.h"
#include "input/Input.h"
#include "object/GameObject.h"
#include "object/ObjectEvents.h"
#include "object/Space.h"
#include "object/Transform.h"
#include "render/Camera.h"
#include "render/Graphics.h"
#include "render/Sprite.h"

#include <SDL.h>
#include <glm/geometric.hpp>
#include <imgui.h>
#include <imgui_internal.h>  // Required for: ClosePopupToLevel, the popup stack

#include <algorithm>
#include <cmath>
#include <iterator>

namespace Editor
{
namespace
{
// Set by the ship tile window while it draws: its clicks paint tiles and must not pick objects.
bool pickingSuppressedThisFrame = false;

// A box centred at the object, as large as its sprite is drawn (the unit quad under the sprite's
// scale and the object's world matrix), or 15 x 15 without a sprite.
glm::vec2 PickBoxSize(GameObject& object, const Transform& transform)
{
  const Sprite* sprite = object.GetSprite();
  if (sprite == nullptr)
    return glm::vec2(15.0f, 15.0f);
  const glm::mat3 world = transform.GetWorldMatrix();
  const glm::vec2 axes(glm::length(glm::vec2(world[0])), glm::length(glm::vec2(world[1])));
  return glm::abs(axes * sprite->GetScale());
}

glm::mat3 TranslationTo(glm::vec2 position)
{
  glm::mat3 matrix(1.0f);
  matrix[2][0] = position.x;
  matrix[2][1] = position.y;
  return matrix;
}
}  // namespace

Editor::Editor(EditorHost* editorHost) : host(editorHost)
{
  tools.push_back(std::make_unique<SelectTool>());
  tools.push_back(std::make_unique<ParentTool>(selection));
  currentTool = tools.front().get();
}

Editor::~Editor() = default;

// Where a window first appears, as a share of the display (a saved layout wins): the object list
// and the tool options down the left edge, the held object's inspector down the right, the other
// windows in the middle, so that none starts hidden under another.
void Editor::PlaceWindowFirstTime(float left, float top, float width, float height)
{
  const ImVec2 display = ImGui::GetIO().DisplaySize;
  ImGui::SetNextWindowPos(ImVec2(display.x * left, display.y * top), ImGuiCond_FirstUseEver);
  ImGui::SetNextWindowSize(ImVec2(display.x * width, display.y * height), ImGuiCond_FirstUseEver);
}

void Editor::SuppressPicking()
{
  pickingSuppressedThisFrame = true;
}

std::string Editor::LevelNameOf(const std::string& path)
{
  const std::size_t separator = path.find_last_of("\\/");
  const std::size_t start = separator == std::string::npos ? 0 : separator + 1;
  const std::size_t extension = path.find(".json", start);
  if (extension == std::string::npos)
    return path.substr(start);
  return path.substr(start, extension - start);
}

void Editor::RefreshLevelList(const std::string& directory)
{
  levelNames.clear();
  for (const std::string& path : GetFilesInDirectory(directory, "*.*"))
  {
    // A file beside a level ("x.json.bak") would list the level twice.
    std::string name = LevelNameOf(path);
    if (std::find(levelNames.begin(), levelNames.end(), name) == levelNames.end())
      levelNames.push_back(std::move(name));
  }
}

void Editor::ResetTools()
{
  selection.clear();
  for (const auto& tool : tools)
    tool->ClearHeld();
}

void Editor::ForgetRemovedObjects()
{
  for (auto entry = selection.begin(); entry != selection.end();)
    entry = entry->second.IsValid() ? std::next(entry) : selection.erase(entry);
  for (const auto& tool : tools)
  {
    if (!tool->GetHeld().IsValid())
      tool->ClearHeld();
  }
}

// --- The frame ---------------------------------------------------------------------------------

void Editor::Draw()
{
  if (host == nullptr || ImGui::GetCurrentContext() == nullptr)
    return;
  // Only the ship tile window drawn within this frame holds the picking back.
  pickingSuppressedThisFrame = false;
  // Escape closes the topmost popup, a text field in it included, and nothing else: while a popup
  // is shown the input leaves the key to the interface, so the editor does not end on it.
  popupCancelled = ImGui::IsKeyPressed(ImGui::GetKeyIndex(ImGuiKey_Escape), false) && ImGuiBinding::IsPopupShown();
  if (popupCancelled)
    ImGui::ClosePopupToLevel(GImGui->OpenPopupStack.Size - 1, true);
  ImGui::PushStyleColor(ImGuiCol_MenuBarBg, ImVec4(0.0f, 0.0f, 0.0f, 1.0f));
  ImGui::PushStyleColor(ImGuiCol_PopupBg, ImVec4(0.125f, 0.125f, 0.125f, 1.0f));
  ImGui::PushStyleColor(ImGuiCol_HeaderHovered, ImVec4(0.75f, 0.54f, 0.54f, 1.0f));
  ImGui::PushStyleColor(ImGuiCol_Header, ImVec4(0.54f, 0.54f, 0.54f, 1.0f));
  ImGui::PushStyleColor(ImGuiCol_Border, ImVec4(0.75f, 0.0f, 0.0f, 1.0f));

  DrawMainMenuBar();
  if (showObjectWindows)
  {
    DrawToolWindow();
    DrawObjectsWindow();
    DrawObjectWindow();
  }
  if (showPrefabEditor)
    DrawPrefabEditor();
  if (showAmbienceEditor)
    DrawAmbienceEditor();
  DrawDroppedFiles();
  if (host->IsEditorRunning() && !host->IsRunning())
    PickInViewport();

  ImGui::PopStyleColor(5);
}

void Editor::PickInViewport()
{
  host->UpdateEditorPicking();
  const Input* input = Input::Instance();
  // A click on one of the editor's windows is the window's, not the object's behind it.
  if (gizmoDragging || !hoveredObject.IsValid() || pickingSuppressedThisFrame ||
      input == nullptr || !input->IsMouseButtonTriggered(0) || ImGui::GetIO().WantCaptureMouse)
    return;
  showObjectWindows = true;
  if (currentTool != nullptr)
    currentTool->Apply(hoveredObject);
}

Handle<GameObject> Editor::FindObjectAt(Space& space, glm::vec2 worldPosition)
{
  Handle<GameObject> best;
  float bestDistance = 99999.0f;
  for (const auto& [id, handle] : space.GetObjectsById())
  {
    GameObject* object = handle.Get();
    if (object == nullptr)
      continue;
    const Transform* transform = object->GetTransform();
    // Only whole objects are picked, never a part of one.
    if (transform == nullptr || transform->GetParent() != nullptr)
      continue;
    const glm::vec2 size = PickBoxSize(*object, *transform);
    const glm::vec2 offset = worldPosition - transform->GetWorldPosition();
    if (!(std::fabs(offset.x) < size.x * 0.5f && std::fabs(offset.y) < size.y * 0.5f))
      continue;
    const float distance = glm::length(offset);
    if (distance < bestDistance + 1.0f)
    {
      best = handle;
      bestDistance = distance;
    }
  }
  return best;
}

void Editor::DrawDroppedFiles()
{
  std::vector<std::string>& dropped = ImGuiBinding::GetDroppedFiles();
  newFilesDropped = !dropped.empty();
  showResourceEditor = showResourceEditor || newFilesDropped;
  if (showResourceEditor)
  {
    PlaceWindowFirstTime(0.3f, 0.1f, 0.4f, 0.6f);
    if (ImGui::Begin("Edit Resource", &showResourceEditor))
      resourceEditor.Draw();
    ImGui::End();
  }
  newFilesDropped = false;
  dropped.clear();
}

// --- Object windows ----------------------------------------------------------------------------

void Editor::DrawToolWindow()
{
  PlaceWindowFirstTime(0.01f, 0.62f, 0.26f, 0.2f);
  if (ImGui::Begin("Editor", &showObjectWindows))
  {
    ImGui::Checkbox("Hide Nameless", &hideNameless);
    ImGui::BeginGroup();
    ImGui::TextColored(ImVec4(0.0f, 1.0f, 1.0f, 1.0f), "Tool options");
    for (const auto& tool : tools)
    {
      if (ImGui::TreeNode(tool->GetName().c_str()))
      {
        tool->RenderOptions();
        ImGui::TreePop();
      }
    }
    ImGui::EndGroup();
  }
  ImGui::End();
}

void Editor::DrawObjectsWindow()
{
  PlaceWindowFirstTime(0.01f, 0.06f, 0.26f, 0.55f);
  if (!ImGui::Begin("Objects", &showObjectWindows, ImGuiWindowFlags_MenuBar))
  {
    ImGui::End();
    return;
  }
  if (ImGui::BeginMenuBar())
  {
    if (ImGui::BeginMenu("Tool"))
    {
      for (const auto& tool : tools)
      {
        if (ImGui::MenuItem(tool->GetName().c_str(), "", false))
          currentTool = tool.get();
      }
      ImGui::EndMenu();
    }
    ImGui::EndMenuBar();
  }
  for (const auto& [name, space] : host->GetSpaces())
  {
    if (!ImGui::TreeNode(name.c_str()))
      continue;
    ImGui::Selectable("New Object");
    if (ImGui::BeginPopupContextItem("new_obj_pf_sel", ImGuiPopupFlags_MouseButtonLeft))
    {
      // A region of its own, as the component list has: the popup opens where the click was.
      ImGui::BeginChild("new_obj_list", ImVec2(220.0f, 300.0f));
      std::string choice = "Empty";
      if (PickPrefab(choice))
      {
        CreateObjectFromPrefab(choice, space);
        ImGui::CloseCurrentPopup();
      }
      ImGui::EndChild();
      ImGui::EndPopup();
    }
    // A copy: a click may make an object (a new one joins the map) while the list is drawn.
    std::vector<Handle<GameObject>> objects;
    for (const auto& [id, object] : space->GetObjectsById())
      objects.push_back(object);
    for (const Handle<GameObject>& object : objects)
      DrawObjectNode(object, true);
    ImGui::TreePop();
  }
  ImGui::End();
}

void Editor::CreateObjectFromPrefab(const std::string& prefabName, Space* space)
{
  GameobjectFactory* factory = GameobjectFactory::Instance();
  if (factory == nullptr || space == nullptr)
    return;
  Handle<GameObject> object;
  factory->CreateGameObject(object, prefabName, space, "New Object");
  if (!object.IsValid())
    return;
  // Made while the game runs, it is a run-time object: it plays along but is not saved.
  object->SetActive(!host->IsRunning());
  if (currentTool != nullptr)
    currentTool->Apply(object);
  const Camera* camera = host->GetEditorCamera();
  Transform* transform = object->GetTransform();
  if (camera != nullptr && transform != nullptr)
  {
    const glm::mat3 view = camera->GetWorldMatrix();
    transform->SetWorldPosition(view[2][0], view[2][1]);
  }
  // Saved from now on with what the designer changes, not what its components worked out as they woke.
  object->SetRecordAsRead(ObjectRecordAsRead::MadeNow(*object));
}

void Editor::DrawObjectNode(const Handle<GameObject>& handle, bool topLevel)
{
  GameObject* object = handle.Get();
  if (object == nullptr || (hideNameless && object->GetName().empty()))
    return;
  Transform* transform = object->GetTransform();
  if (topLevel && transform != nullptr && transform->GetParent() != nullptr)
    return;
  const std::string label = SelectionLabel(*object);
  const bool selected = selection.count(label) != 0;
  ImGuiTreeNodeFlags flags = ImGuiTreeNodeFlags_OpenOnDoubleClick;
  if (selected)
    flags |= ImGuiTreeNodeFlags_Selected;
  const bool open = ImGui::TreeNodeEx(label.c_str(), flags);
  if (ImGui::IsItemClicked(ImGuiMouseButton_Left))
  {
    if (!selected)
    {
      if (currentTool == nullptr || currentTool->Apply(handle))
        selection[label] = handle;
    }
    else if (currentTool == nullptr || currentTool->Unapply(handle))
      selection.erase(label);
  }
  if (!open)
    return;
  // Taken after the click: parenting may just have changed the children.
  std::vector<Handle<GameObject>> children;
  if (transform != nullptr)
  {
    for (const Transform* child : transform->GetChildren())
      children.push_back(child->GetOwner());
  }
  for (const Handle<GameObject>& child : children)
    DrawObjectNode(child, false);
  ImGui::TreePop();
}

void Editor::DrawObjectWindow()
{
  if (currentTool == nullptr)
    return;
  Handle<GameObject> held = currentTool->GetHeld();
  GameObject* object = held.Get();
  if (object == nullptr)
    return;
  if (host->IsEditorRunning() && !host->IsRunning())
    DragSelected(*object);
  PlaceWindowFirstTime(0.64f, 0.06f, 0.35f, 0.9f);
  if (!ImGui::Begin("Object:", &showObjectWindows))
  {
    ImGui::End();
    return;
  }
  if (ImGui::Button("Duplicate"))
  {
    Handle<GameObject> copy = object->Duplicate();
    if (copy.IsValid() && currentTool != nullptr)
      currentTool->Apply(copy);
  }
  ImGui::SameLine();
  // The key reaches the input only while no text field has the keyboard.
  const Input* input = Input::Instance();
  const bool deleteKey = input != nullptr && input->IsKeyTriggered(SDLK_DELETE);
  if (ImGui::Button("Delete##DeleteGameObject") || deleteKey)
  {
    DeleteObject(held);
    ImGui::End();
    return;
  }
  DrawObjectInspector(*object);
  ImGui::End();
}

void Editor::DeleteObject(Handle<GameObject> object)
{
  if (Space* space = object.IsValid() ? object->GetSpace() : nullptr)
  {
    GameObjectCleanupEvent cleanup(space->GetId(), object);
    space->On(&cleanup);
  }
  gizmoDragging = false;
  gizmoHitX = false;
  gizmoHitY = false;
  gizmoHovered = false;
  ResetTools();
}

// --- Moving the held object --------------------------------------------------------------------

void Editor::DragSelected(GameObject& object)
{
  Space* space = object.GetSpace();
  Transform* transform = object.GetTransform();
  const Input* input = Input::Instance();
  if (space == nullptr || transform == nullptr || input == nullptr)
    return;
  const std::vector<Graphics::CameraView*> cameras = host->GetRenderer().GetCameras(space);
  const Camera* camera = cameras.empty() ? nullptr : dynamic_cast<const Camera*>(cameras.front());
  if (camera == nullptr)
    return;
  const glm::vec2 mouse = camera->GetMouseWorldPosition();
  // The gizmo keeps its size on the screen as the camera zooms.
  const float scale = camera->GetTransform() != nullptr ? camera->GetTransform()->GetScale().x : 1.0f;
  constexpr float GizmoSize = 10.0f;

  if (gizmoHovered && input->IsMouseButtonTriggered(0))
    gizmoDragging = true;
  else if (input->IsMouseButtonUp(0))
  {
    gizmoDragging = false;
    gizmoHitX = false;
    gizmoHitY = false;
    gizmoHovered = false;
    // Over one of the editor's windows the gizmo is drawn but cannot be grabbed.
    const bool overWindow = ImGui::GetIO().WantCaptureMouse;
    DrawMoveGizmo(transform->GetWorldPosition(), GizmoSize, scale, space, overWindow ? nullptr : &gizmoHitX,
                  overWindow ? nullptr : &gizmoHitY, mouse);
    gizmoHovered = gizmoHitX || gizmoHitY;
  }
  else
  {
    DrawMoveGizmo(transform->GetWorldPosition(), GizmoSize, scale, space, nullptr, nullptr, mouse);
    // Only a drag that began on the gizmo moves the object, never a press elsewhere.
    if (gizmoDragging && (gizmoHitX || gizmoHitY))
    {
      const glm::vec2 delta = mouse - previousMouseWorld;
      glm::vec2 position = transform->GetWorldPosition();
      if (gizmoHitX)
        position.x += delta.x;
      if (gizmoHitY)
        position.y += delta.y;
      transform->SetWorldPosition(position.x, position.y);
    }
  }
  previousMouseWorld = mouse;
}

void Editor::DrawMoveGizmo(glm::vec2 position, float size, float scale, Space* space, bool* hitX, bool* hitY,
                           glm::vec2 mouse)
{
  Graphics::Graphics& renderer = host->GetRenderer();
  const bool wasDrawing = renderer.debugDrawing;
  renderer.debugDrawing = true;
  const float unit = size * scale;
  const glm::vec2 xKnob = position + glm::vec2(5.0f * unit, 0.0f);
  const glm::vec2 yKnob = position + glm::vec2(0.0f, 5.0f * unit);

  // Tested in this order: the x knob, the y knob, the centre (which moves along both axes).
  if (hitX != nullptr && hitY != nullptr)
  {
    if (glm::distance(mouse, xKnob) <= unit)
      *hitX = true;
    if (glm::distance(mouse, yKnob) <= unit)
      *hitY = true;
    if (glm::distance(mouse, position) <= 2.0f * unit)
    {
      *hitX = true;
      *hitY = true;
    }
  }
  const bool xShown = hitX != nullptr && *hitX;
  const bool yShown = hitY != nullptr && *hitY;

  const fColor white(1.0f, 1.0f, 1.0f, 1.0f);
  renderer.DebugDrawRect(TranslationTo(position + glm::vec2(2.5f * unit, 0.0f)), glm::vec2(5.0f * unit, 0.1f * unit),
                         space, white);
  renderer.DebugDrawRect(TranslationTo(position + glm::vec2(0.0f, 2.5f * unit)), glm::vec2(0.1f * unit, 5.0f * unit),
                         space, white);
  // The debug circles take a diameter.
  for (const float radius : {1.0f, 0.8f, 0.6f, 0.4f, 0.2f, 0.01f})
  {
    renderer.DebugDrawCircle(TranslationTo(xKnob), 2.0f * radius * unit, space,
                             xShown ? white : fColor(1.0f, 0.0f, 0.0f, 1.0f));
    renderer.DebugDrawCircle(TranslationTo(yKnob), 2.0f * radius * unit, space,
                             yShown ? white : fColor(0.3f, 0.3f, 1.0f, 1.0f));
  }
  renderer.DebugDrawCircle(TranslationTo(position), 4.0f * unit, space, fColor(0.0f, 1.0f, 0.0f, 1.0f));
  renderer.debugDrawing = wasDrawing;
}
}  // namespace Editor
