// The inspector widgets declared by the object model and by the enums' own headers.
#include "object/MemberWidgets.h"

#include "audio/SoundResource.h"
#include "gameplay/combat/TeamEnum.h"
#include "gameplay/weapons/AmmoType.h"
#include "object/GameobjectFactory.h"  // for the prefab names the prefab picker lists
#include "physics/CollisionGroup.h"

#include <algorithm>
#include <cstring>
#include <imgui.h>

namespace
{
// One edit buffer serves every string widget; ImGui edits one item at a time.
char stringEditBuffer[64];
// 1: angles on a slider, 0: typed in degrees. One switch for every angle widget.
int angleInputMode = 1;
// Opening the sound chooser for one member opens it for every sound member drawn.
bool soundChooserOpen = false;

constexpr float DegreesPerRadian = 180.0f / 3.14159265358979f;

// A text field on a string through a bounded buffer. A value longer than the buffer is shown cut
// short and written back only when the user edits it, so looking at it never shortens it.
void InputStringField(const char* label, std::string* value)
{
  std::strncpy(stringEditBuffer, value->c_str(), sizeof(stringEditBuffer) - 1);
  stringEditBuffer[sizeof(stringEditBuffer) - 1] = '\0';
  if (ImGui::InputText(label, stringEditBuffer, sizeof(stringEditBuffer)))
    *value = stringEditBuffer;
}

void AngleModeButtons()
{
  ImGui::RadioButton("Slider", &angleInputMode, 1);
  ImGui::SameLine();
  ImGui::RadioButton("Input", &angleInputMode, 0);
}

// The slider or the field in degrees; the value stays in radians.
void AngleField(const std::string& label, float* value)
{
  if (angleInputMode == 1)
  {
    ImGui::SliderAngle(label.c_str(), value, 0.0f, 360.0f);
    return;
  }
  float degrees = *value * DegreesPerRadian;
  if (ImGui::InputFloat(label.c_str(), &degrees, 0.0f, 0.0f))
    *value = degrees / DegreesPerRadian;
}

void ChooseSoundResource(std::string* value)
{
  const SoundResource sounds;
  for (const std::string& path : sounds.GetLines())
  {
    if (ImGui::Selectable(path.c_str(), path == *value))
      *value = path;
  }
}

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

void RenderFloatReadOnly(const std::string& label, float* value)
{
  ImGui::Text("%s: %f", label.c_str(), *value);
}

void RenderFloatUnit(const std::string& label, float* value)
{
  ImGui::SliderFloat(label.c_str(), value, 0.0f, 1.0f, "%.3f");
}

void RenderAngle(const std::string& label, float* value)
{
  ImGui::PushID(label.c_str());
  AngleModeButtons();
  AngleField(label, value);
  ImGui::PopID();
}

void RenderAngleOrNone(const std::string& label, float* value)
{
  AngleModeButtons();
  if (ImGui::Button("No Angle"))
    *value = -2.0f;
  ImGui::SameLine();
  AngleField(label, value);
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
  InputStringField(label.c_str(), value);
  ImGui::PopID();
}

void RenderDirectionNames(const std::string& label, std::array<std::string, 4>* value)
{
  static const char* const directions[] = {"Up", "Right", "Down", "Left"};
  ImGui::Text("%s", label.c_str());
  for (std::size_t index = 0; index < value->size(); ++index)
    InputStringField(directions[index], &(*value)[index]);
}

void RenderSoundPath(const std::string& label, std::string* value)
{
  ImGui::Text("%s", label.c_str());
  ImGui::Text("Sound: %s", value->c_str());
  ImGui::PushID(label.c_str());
  if (ImGui::Button("Change Sound"))
    soundChooserOpen = true;
  ImGui::PopID();
  if (!soundChooserOpen)
    return;
  // Each sound member drawn adds its own list to the one window, under its own id.
  if (ImGui::Begin("Resource Chooser", &soundChooserOpen))
  {
    ImGui::PushID(value);
    ImGui::Text("%s", value->c_str());
    ChooseSoundResource(value);
    ImGui::PopID();
  }
  ImGui::End();
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

void RenderVec2Scale(const std::string& label, glm::vec2* value)
{
  ImGui::PushID(label.c_str());
  ImGui::SliderFloat2(label.c_str(), &value->x, 0.0f, 50.0f, "%.3f");
  ImGui::PopID();
}

void RenderVec2Drag(const std::string& label, glm::vec2* value)
{
  ImGui::PushID(label.c_str());
  // Equal bounds leave the value unclamped.
  ImGui::DragFloat2(label.c_str(), &value->x, 1.0f, 100.0f, 100.0f, "%.3f");
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
