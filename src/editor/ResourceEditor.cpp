#include "editor/ResourceEditor.h"

#include "core/Log.h"
#include "editor/TextBuffer.h"
#include "render/ResourceManagerTwo.h"

#include <imgui.h>
#include <imgui_internal.h>  // for ButtonEx: these buttons act on the press


namespace
{
bool PressButton(const char* label)
{
  return ImGui::ButtonEx(label, ImVec2(0, 0), ImGuiButtonFlags_PressedOnClick);
}

// The renderer keeps raw pointers to these from start-up to shutdown.
bool IsHeldByRenderer(const Resource& resource)
{
  return resource.type == SHADER || resource.type == VERTEX_ARRAY || resource.name == "THE_ATLAS";
}
}  // namespace

bool ResourceEditor::IsValidSave(const std::string& name, const std::string& file, const Resource& edited)
{
  if (name.size() <= 3 || file.size() <= 5)
    return false;
  return name == edited.name || !ResourceManagerTwo::ResourceExists(name);
}

void ResourceEditor::Draw()
{
  if (editing)
  {
    DrawEditing();
    return;
  }
  if (PressButton("Reload"))
    ResourceManagerTwo::ReloadResources();
  PressButton("Save");
  if (showPicker)
    DrawPicker();
  if (resource.type != NONE)
  {
    editing = true;
    showPicker = false;
    FillTextBuffer(nameBuffer, resource.name);
  }
}

void ResourceEditor::DrawPicker()
{
  ResourceManagerTwo::ResourceChooser(TEXTURE, resource);
}

void ResourceEditor::DrawEditing()
{
  if (PressButton("Save") && IsValidSave(nameBuffer, fileBuffer, resource))
  {
    nameBuffer[0] = '\0';
    editing = false;
  }
  if (PressButton("Cancel"))
  {
    StopEditing();
    return;
  }
  // A resource unloaded meanwhile has nothing left to show.
  if (ResourceManagerTwo::ResourceExists(resource.name))
    resource.DrawPreview();
  ImGui::InputText("File", fileBuffer, sizeof(fileBuffer));
  ImGui::InputText("Name", nameBuffer, sizeof(nameBuffer));
  ImGui::NewLine();
  ImGui::NewLine();
  if (PressButton("Delete (DOES NOT CONFIRM) (WILL PROBABLY CRASH)"))
  {
    if (IsHeldByRenderer(resource))
      LogWarning(resource.name, " is drawn with every frame; it is not unloaded.");
    else
      ResourceManagerTwo::UnloadResource(resource);
    StopEditing();
  }
}

void ResourceEditor::StopEditing()
{
  editing = false;
  showPicker = true;
  resource.Clear();
}
