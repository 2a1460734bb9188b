#include "render/Resource.h"

#include "platform/Assert.h"
#include "render/ResourceManagerTwo.h"
#include "render/Texture.h"

#include <imgui.h>

#include <cstdint>

Resource::Resource(Graphics::Texture* texture, std::string resourceName)
    : data(texture), type(TEXTURE), name(std::move(resourceName))
{
}

Resource::Resource(Graphics::Shader* shader, std::string resourceName)
    : data(shader), type(SHADER), name(std::move(resourceName))
{
}

Resource& Resource::operator=(const Resource& other)
{
  if (type != NONE && type != other.type)
  {
    AssertFatal("Assigning resources of different types", __LINE__, __FILE__, "Resource::operator =");
    FatalCheckFailed();
    return *this;
  }
  if (this != &other)
  {
    data = other.data;
    type = other.type;
    name = other.name;
    generation = other.generation;
  }
  return *this;
}

void Resource::Refresh()
{
  const std::uint32_t current = ResourceManagerTwo::GetGeneration();
  if (current == generation)
    return;
  *this = ResourceManagerTwo::GetResource(name);
  generation = current;
}

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
