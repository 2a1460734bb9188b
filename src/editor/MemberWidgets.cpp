// The inspector widgets declared by the object model and by the enums' own headers.
#include "object/MemberWidgets.h"

#include "gameplay/AmmoType.h"
#include "gameplay/TeamEnum.h"
#include "object/GameobjectFactory.h"  // for the prefab names the prefab picker lists
#include "physics/CollisionGroup.h"

#include <algorithm>
#include <cstring>
#include <imgui.h>

namespace
{
// One edit buffer serves every string widget; ImGui edits one item at a time.
char stringEditBuffer[64];

// A button with the current value's name that opens a popup listing the real values.
template <typename E>
void RenderEnumPicker(const std::string& label, E* value, const char* popupName)
{
  ImGui::Text("%s", label.c_str());
  ImGui::SameLine();
  ImGui::PushID(label.c_str());
  if (ImGui::Button(EnumName(*value)))
    ImGui::OpenPopup(popupName);
  if (ImGui::BeginPopup(popupName))
  {
    for (std::size_t index = 0; index < EnumNames<E>::count; ++index)
    {
      const E candidate = static_cast<E>(index);
      if (ImGui::MenuItem(EnumNames<E>::names[index], nullptr, candidate == *value))
        *value = candidate;
    }
    ImGui::EndPopup();
  }
  ImGui::PopID();
}
}  // namespace

void DrawDataNotRendered()
{
  ImGui::Text("Data not rendered.");
}

void RenderBool(const std::string& label, bool* value)
{
  ImGui::PushID(label.c_str());
  ImGui::Checkbox(label.c_str(), value);
  ImGui::PopID();
}

void RenderFloat(const std::string& label, float* value)
{
  ImGui::InputFloat(label.c_str(), value, 0.0f, 0.0f);
}

void RenderInt(const std::string& label, int* value)
{
  ImGui::InputInt(label.c_str(), value, 1, 100);
}

unsigned int UnsignedFromEntry(int entry)
{
  return entry < 0 ? 0u : static_cast<unsigned int>(entry);
}

void RenderUnsigned(const std::string& label, unsigned int* value)
{
  int entry = static_cast<int>(std::min<unsigned int>(*value, 0x7fffffffu));
  if (ImGui::InputInt(label.c_str(), &entry, 1, 100))
    *value = UnsignedFromEntry(entry);
}

void RenderString(const std::string& label, std::string* value)
{
  ImGui::PushID(label.c_str());
  std::strncpy(stringEditBuffer, value->c_str(), sizeof(stringEditBuffer) - 1);
  stringEditBuffer[sizeof(stringEditBuffer) - 1] = '\0';
  ImGui::InputText(label.c_str(), stringEditBuffer, sizeof(stringEditBuffer));
  *value = stringEditBuffer;
  ImGui::PopID();
}

void RenderColor(const std::string& label, fColor* value)
{
  ImGui::ColorEdit4(label.c_str(), value->Data());
}

void RenderVec2(const std::string& label, glm::vec2* value)
{
  ImGui::PushID(label.c_str());
  ImGui::InputFloat2(label.c_str(), &value->x);
  ImGui::PopID();
}

void RenderVec4(const std::string& label, glm::vec4* value)
{
  ImGui::InputFloat4(label.c_str(), &value->x);
}

void RenderPrefabName(const std::string& label, std::string* value)
{
  ImGui::Text("%s", label.c_str());
  const std::string popupName = "prefab#" + label;
  ImGui::PushID((label + "button").c_str());
  if (ImGui::Button(value->empty() ? "SelectPrefab" : value->c_str()))
    ImGui::OpenPopup(popupName.c_str());
  if (ImGui::BeginPopup(popupName.c_str()))
  {
    if (GameobjectFactory* factory = GameobjectFactory::Instance())
    {
      for (const std::string& prefabName : factory->GetPrefabNames())
      {
        if (ImGui::MenuItem(prefabName.c_str(), nullptr, prefabName == *value))
          *value = prefabName;
      }
    }
    ImGui::EndPopup();
  }
  ImGui::PopID();
}

void RenderAmmoType(const std::string& label, AmmoType* value)
{
  RenderEnumPicker(label, value, "AmmoTypePopup");
}

void RenderCollisionGroup(const std::string& label, CollisionGroup* value)
{
  RenderEnumPicker(label, value, "CollisionGroupPopup");
}

void RenderTeam(const std::string& label, TeamEnum* value)
{
  RenderEnumPicker(label, value, "TeamPickerPopup");
}
