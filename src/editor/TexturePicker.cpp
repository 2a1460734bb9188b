#include "render/TexturePicker.h"

#include "render/ResourceManagerTwo.h"
#include "render/Texture.h"

#include <cstdint>
#include <imgui.h>

namespace
{
void DrawFirstFrame(const AtlasRegion& region)
{
  const Graphics::Texture* atlas = ResourceManagerTwo::GetTexture("THE_ATLAS");
  if (atlas == nullptr || atlas->GetWidth() == 0 || atlas->GetHeight() == 0)
    return;
  const float width = static_cast<float>(atlas->GetWidth());
  const float height = static_cast<float>(atlas->GetHeight());
  // The atlas's top row is its first: the frame's upper edge (firstFrame[3]) is the smaller v.
  const ImVec2 topLeft(region.firstFrame[0] / width, region.firstFrame[3] / height);
  const ImVec2 bottomRight(region.firstFrame[2] / width, region.firstFrame[1] / height);
  ImGui::Image(reinterpret_cast<ImTextureID>(static_cast<std::uintptr_t>(atlas->GetId())),
               ImVec2(region.frameSize[0], region.frameSize[1]), topLeft, bottomRight);
}
}  // namespace

void TexturePicker(const std::string& label, std::string* value)
{
  ImGui::PushID(label.c_str());
  const char* shown = value->empty() ? "No texture selected" : value->c_str();
  if (ImGui::BeginCombo("texturePicker", shown))
  {
    for (const auto& [name, region] : ResourceManagerTwo::GetAtlasRegions())
    {
      if (ImGui::Selectable(name.c_str(), name == *value))
        *value = name;
      if (ImGui::IsItemHovered())
      {
        ImGui::BeginTooltip();
        DrawFirstFrame(region);
        ImGui::EndTooltip();
      }
    }
    ImGui::EndCombo();
  }
  ImGui::PopID();
}
