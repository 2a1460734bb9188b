// The editor's views of the resources: ResourceManagerTwo::ResourceChooser and
// Resource::DrawPreview, declared with the resources and defined here, where the interface
// library is.
#include "render/Resource.h"
#include "render/ResourceManagerTwo.h"
#include "render/Texture.h"

#include <imgui.h>

#include <cstdint>

namespace
{
// The entry picked last is shown selected; compared by identity only, never read through.
const Resource* lastPicked = nullptr;
}  // namespace

void Resource::DrawPreview() const
{
  const ImVec4 red(1, 0, 0, 1);
  switch (type)
  {
    case TEXTURE:
    {
      const auto* texture = static_cast<const Graphics::Texture*>(data);
      const auto size = texture->GetSize();
      ImGui::Image(reinterpret_cast<ImTextureID>(static_cast<std::intptr_t>(texture->GetId())),
                   ImVec2(static_cast<float>(size.first), static_cast<float>(size.second)), ImVec2(0, 0), ImVec2(1, 1),
                   ImVec4(1, 1, 1, 1), ImVec4(0, 0, 0, 0));
      break;
    }
    case SHADER:
      ImGui::TextColored(red, "No preview available");
      break;
    case VERTEX_ARRAY:
      ImGui::TextColored(red, "Preview NYI");
      break;
    default:
      ImGui::Text("Unknown");
      break;
  }
}

bool ResourceManagerTwo::ResourceChooser(ResourceType filter, Resource& selection)
{
  bool picked = false;
  for (const auto& entry : GetResources())
  {
    const Resource& resource = entry.second;
    if (filter != NONE && resource.type != filter)
      continue;
    if (ImGui::Selectable(resource.name.c_str(), lastPicked == &resource))
    {
      lastPicked = &resource;
      selection = resource;
      picked = true;
    }
    if (ImGui::IsItemHovered())
    {
      ImGui::BeginTooltip();
      resource.DrawPreview();
      ImGui::EndTooltip();
    }
  }
  return picked;
}
