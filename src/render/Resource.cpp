#include "render/Resource.h"

#include "platform/Assert.h"
#include "render/ResourceManagerTwo.h"
#include "render/Texture.h"

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
