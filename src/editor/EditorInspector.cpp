// The held object's inspector (rename, save as prefab, components and their members), the prefab
// editor and the ambience editor.
#include "editor/Editor.h"

#include "core/Log.h"
#include "core/MemoryManager.h"
#include "editor/EditorHost.h"
#include "editor/TextBuffer.h"
#include "object/ComponentFactory.h"
#include "object/GameObject.h"
#include "object/Members.h"
#include "object/Space.h"
#include "object/Transform.h"
#include "render/Graphics.h"
#include "render/Layer.h"

#include <imgui.h>

namespace Editor
{
namespace
{
// A text input that reports whether its text changed, and whether Enter confirmed it.
struct TextEntry
{
  bool edited = false;
  bool confirmed = false;
};

template <std::size_t Size>
TextEntry InputTextField(const char* label, char (&buffer)[Size])
{
  TextEntry entry;
  entry.confirmed = ImGui::InputText(label, buffer, Size, ImGuiInputTextFlags_EnterReturnsTrue);
  entry.edited = ImGui::IsItemEdited();
  return entry;
}

// The list of one prefab's templates, or null when there is no such prefab.
GameobjectFactory::PrefabComponents* TemplatesOf(const std::string& prefabName)
{
  GameobjectFactory* factory = GameobjectFactory::Instance();
  return factory != nullptr ? factory->FindPrefab(prefabName) : nullptr;
}
}  // namespace

void Editor::DrawObjectInspector(GameObject& object)
{
  DrawRenamePopup(object);
  DrawSavePrefabPopup(object);

  // The list of types sits in a region of its own, so a long list scrolls inside the popup.
  if (ImGui::Button("Add Component"))
    ImGui::OpenPopup("cmp_sel");
  if (ImGui::BeginPopup("cmp_sel"))
  {
    ImGui::BeginChild("cmp_ch_ch", ImVec2(220.0f, 400.0f));
    std::string chosen;
    if (PickComponentType(chosen))
    {
      if (Component* added = object.AddComponent(chosen))
      {
        added->OnAwake();
        addedComponent = added;
      }
      ImGui::CloseCurrentPopup();
    }
    ImGui::EndChild();
    ImGui::EndPopup();
  }

  // A component marked for removal goes after the whole list is drawn, never in the middle of it.
  const Component* marked = nullptr;
  for (const auto& [typeName, component] : object.GetComponents())
  {
    ImGui::PushID(static_cast<int>(component->GetSerial()));
    if (component == addedComponent)
    {
      ImGui::SetNextItemOpen(true);
      addedComponent = nullptr;
    }
    const bool open = ImGui::CollapsingHeader(typeName.c_str());
    if (ImGui::BeginPopupContextItem("cmp_ctxmn"))
    {
      if (ImGui::Selectable("Delete"))
        marked = component;
      ImGui::EndPopup();
    }
    if (open)
      DrawComponentMembers(*component, false);
    ImGui::PopID();
  }
  if (marked != nullptr)
    DeleteComponent(object, marked);
}

void Editor::DeleteComponent(GameObject& object, const Component* component)
{
  // Every other component of the object may hold its Transform.
  if (component != nullptr && component->GetTypeId() == Transform::TypeId)
  {
    LogWarning("The Transform of \"", object.GetName(), "\" stays: every object has one.");
    return;
  }
  for (auto entry = object.GetComponents().begin(); entry != object.GetComponents().end(); ++entry)
  {
    if (entry->second == component)
    {
      object.RemoveComponent(entry);
      return;
    }
  }
}

void Editor::DrawRenamePopup(GameObject& object)
{
  ImGui::Text("Name: ");
  ImGui::SameLine();
  const std::string shown = object.GetName().empty() ? "(no name)" : object.GetName();
  if (ImGui::Button((shown + "##editnamebutton").c_str()))
  {
    ImGui::OpenPopup("editname");
    renameTarget = object.GetHandle();
  }
  if (ImGui::BeginPopup("editname"))
  {
    GameObject* target = renameTarget.Get();
    if (!renamePopupOpen && target != nullptr)
    {
      FillTextBuffer(renameBuffer, target->GetName());
      renameEdited = false;
      ImGui::SetKeyboardFocusHere();
    }
    renamePopupOpen = true;
    const TextEntry entry = InputTextField("New Name##editnametext", renameBuffer);
    renameEdited = renameEdited || entry.edited;
    if (entry.confirmed)
      ImGui::CloseCurrentPopup();
    ImGui::EndPopup();
    return;
  }
  if (!renamePopupOpen)
    return;
  // The first frame after the popup closed: the object it was opened for takes the name, once,
  // unless Escape closed it.
  renamePopupOpen = false;
  GameObject* target = renameTarget.Get();
  if (target == nullptr || popupCancelled)
  {
    renameTarget = Handle<GameObject>();
    return;
  }
  const std::string newName = renameEdited ? std::string(renameBuffer) : target->GetName();
  if (Space* space = target->GetSpace())
    space->RenameObject(renameTarget, newName);
  else
    target->SetName(newName);
  renameTarget = Handle<GameObject>();
}

void Editor::DrawSavePrefabPopup(GameObject& object)
{
  ImGui::Text("Prefab: ");
  ImGui::SameLine();
  ImGui::TextColored(ImVec4(1.0f, 1.0f, 0.0f, 1.0f), "%s", object.GetPrefabName().c_str());
  ImGui::SameLine();
  if (ImGui::Button("Save to Prefab"))
  {
    ImGui::OpenPopup("SavePrefab");
    prefabTarget = object.GetHandle();
  }
  if (ImGui::BeginPopup("SavePrefab"))
  {
    GameObject* target = prefabTarget.Get();
    if (!savePrefabPopupOpen && target != nullptr)
    {
      FillTextBuffer(prefabNameBuffer, target->GetPrefabName());
      prefabNameEdited = false;
      prefabNameConfirmed = false;
      ImGui::SetKeyboardFocusHere();
    }
    savePrefabPopupOpen = true;
    const TextEntry entry = InputTextField("Save to Prefab##editprefabtext", prefabNameBuffer);
    prefabNameEdited = prefabNameEdited || entry.edited;
    ImGui::SameLine();
    const bool saveClicked = ImGui::Button("Save##saveprefabnow");
    if (entry.confirmed || saveClicked)
    {
      prefabNameConfirmed = true;
      ImGui::CloseCurrentPopup();
    }
    ImGui::TextDisabled("Enter or Save writes the prefab file; Esc or a click outside cancels.");
    ImGui::EndPopup();
    return;
  }
  if (!savePrefabPopupOpen)
    return;
  savePrefabPopupOpen = false;
  // A prefab file is shared by every object made from it: only a confirmed name writes it.
  GameObject* target = prefabTarget.Get();
  GameobjectFactory* factory = GameobjectFactory::Instance();
  if (prefabNameConfirmed && target != nullptr && factory != nullptr)
    factory->SavePrefab(prefabNameEdited ? std::string(prefabNameBuffer) : target->GetPrefabName(), target);
  prefabTarget = Handle<GameObject>();
}

void Editor::DrawComponentMembers(Component& component, bool isTemplate)
{
  const bool reset = !isTemplate && ImGui::Button("Reset to Prefab");
  component.RenderEditorButtons();
  std::vector<MemberBase*> members;
  component.GetMembers(members);
  if (!members.empty() && reset)
  {
    if (GameobjectFactory* factory = GameobjectFactory::Instance())
      factory->ResetToPrefab(&component);
  }
  // Two components may have members of one name ("scale"): each draws under its own id.
  ImGui::PushID(static_cast<int>(component.GetSerial()));
  ImGui::PushItemWidth(-100.0f);
  for (MemberBase* member : members)
    member->RenderEditor();
  ImGui::PopItemWidth();
  ImGui::PopID();
  Members::Clear(members);
  // Any widget may have written its member.
  component.MembersChanged();
}

bool Editor::PickFromList(const std::vector<std::string>& entries, std::string& name, ImGuiTextFilter& filter)
{
  if (ImGui::IsWindowAppearing())
  {
    filter.Clear();
    ImGui::SetKeyboardFocusHere();
  }
  filter.Draw("##filter", -1.0f);
  bool picked = false;
  for (const std::string& entry : entries)
  {
    if (filter.PassFilter(entry.c_str()) && ImGui::Selectable(entry.c_str(), entry == name))
    {
      name = entry;
      picked = true;
    }
  }
  return picked;
}

bool Editor::PickComponentType(std::string& name)
{
  std::vector<std::string> typeNames;
  if (const GameobjectFactory* factory = GameobjectFactory::Instance())
  {
    for (const auto& [typeName, componentFactory] : factory->GetFactories())
      typeNames.push_back(typeName);
  }
  return PickFromList(typeNames, name, componentFilter);
}

bool Editor::PickPrefab(std::string& name)
{
  const GameobjectFactory* factory = GameobjectFactory::Instance();
  return PickFromList(factory != nullptr ? factory->GetPrefabNames() : std::vector<std::string>(), name, prefabFilter);
}

// --- Prefab editor -----------------------------------------------------------------------------

void Editor::DrawPrefabEditor()
{
  PlaceWindowFirstTime(0.28f, 0.06f, 0.35f, 0.6f);
  if (!ImGui::Begin("Prefab Editor", &showPrefabEditor, ImGuiWindowFlags_MenuBar))
  {
    ImGui::End();
    return;
  }
  GameobjectFactory* factory = GameobjectFactory::Instance();
  ImGui::TextColored(ImVec4(1.0f, 1.0f, 0.1f, 1.0f),
                     "Pro-Tip: Save changes to the level before editing prefabs.\nDon't save or edit the level "
                     "again until after you have saved \nprefabs.  You don't have to save the level after "
                     "editing/saving\nprefabs.");
  if (ImGui::BeginMenuBar())
  {
    if (ImGui::BeginMenu("Actions"))
    {
      if (ImGui::MenuItem("Save prefabs") && factory != nullptr)
      {
        // The level shows the saved prefabs only when every file was written.
        if (factory->SaveAllPrefabs())
        {
          if (Space* space = host->GetEditorSpace())
            space->RestartLevel();
        }
        selectedPrefabName.clear();
      }
      if (ImGui::IsItemHovered())
        ImGui::SetTooltip("If and only if you were editing your level (which you shouldn't do  while editing "
                          "prefabs),\n be sure to save the the level or you will lose work. If you don't make "
                          "changes to your level don't save the level.");
      ImGui::MenuItem("New (NYI)");
      if (ImGui::MenuItem("Reload") && factory != nullptr)
      {
        factory->ReLoadPrefabs();
        selectedPrefabName.clear();
      }
      ImGui::EndMenu();
    }
    ImGui::EndMenuBar();
  }

  ImGui::Columns(2, "Prefabs", true);
  ImGui::Separator();
  ImGui::BeginChild("##editpfsel");
  PickPrefab(selectedPrefabName);
  ImGui::EndChild();
  ImGui::NextColumn();
  ImGui::BeginChild("##editpf");
  // Looked up by name every frame: reloading the prefabs replaces every template list.
  if (GameobjectFactory::PrefabComponents* templates = TemplatesOf(selectedPrefabName))
  {
    ImGui::Selectable("Add Component");
    if (ImGui::BeginPopupContextItem("prfb_cmp_add", ImGuiPopupFlags_MouseButtonLeft))
    {
      ImGui::BeginChild("cmp_ch_ch", ImVec2(220.0f, 400.0f));
      std::string chosen;
      if (PickComponentType(chosen) && factory != nullptr)
      {
        bool present = false;
        for (const auto& [componentFactory, component] : *templates)
          present = present || component->GetTypeName() == chosen;
        // A second component of one type would be refused on every object made from the prefab.
        if (present)
          LogWarning("The prefab \"", selectedPrefabName, "\" already has a \"", chosen, "\".");
        else if (Component* created = factory->CreateComponent(chosen))
          templates->emplace_back(factory->GetFactories().at(chosen), created);
        ImGui::CloseCurrentPopup();
      }
      ImGui::EndChild();
      ImGui::EndPopup();
    }
    std::size_t marked = templates->size();
    for (std::size_t index = 0; index < templates->size(); ++index)
    {
      Component* component = (*templates)[index].second;
      ImGui::PushID(static_cast<int>(component->GetSerial()));
      const bool open = ImGui::CollapsingHeader(component->GetTypeName().c_str());
      const std::string menu = "cmp_ctxmn_" + std::to_string(component->GetSerial());
      if (ImGui::BeginPopupContextItem(menu.c_str()))
      {
        if (ImGui::Selectable("Delete.."))
          marked = index;
        ImGui::EndPopup();
      }
      if (open)
        DrawComponentMembers(*component, true);
      ImGui::PopID();
    }
    if (marked < templates->size())
    {
      Component* removed = (*templates)[marked].second;
      templates->erase(templates->begin() + static_cast<std::ptrdiff_t>(marked));
      MemoryManager::Delete(removed);
    }
  }
  ImGui::EndChild();
  ImGui::Columns(1);
  ImGui::End();
}

// --- Ambience editor ---------------------------------------------------------------------------

void Editor::DrawAmbienceEditor()
{
  PlaceWindowFirstTime(0.28f, 0.68f, 0.35f, 0.2f);
  if (ImGui::Begin("Ambience Editor", &showAmbienceEditor))
  {
    for (auto& [layerName, ambient] : host->GetLighting())
    {
      if (ImGui::SliderFloat(layerName.c_str(), &ambient, 0.0f, 1.0f, "%.3f"))
      {
        if (Graphics::Layer* layer = host->GetRenderer().GetLayer(layerName))
          layer->ambient = ambient;
      }
    }
  }
  ImGui::End();
}
}  // namespace Editor
