#include "object/ComponentRegistration.h"

#include "platform/Assert.h"

void AddComponentFactory(ComponentFactoryMap& factories, ComponentFactory* factory)
{
  const std::uint32_t typeId = factory->GetTypeId();
  if (typeId >= ComponentTypeCount)
  {
    BRINDLE_CHECK(false, "Component: a class has the type constant " + std::to_string(typeId) +
                             ", which is past the component type table");
    delete factory;
    return;
  }
  const std::string className = ComponentList::NameOf(typeId);
  if (!factories.emplace(className, factory).second)
  {
    BRINDLE_CHECK(false, "Component: " + className + " is registered twice");
    delete factory;
  }
}

std::vector<std::uint32_t> ComponentTypesWithoutClass(const ComponentFactoryMap& registered)
{
  std::vector<std::uint32_t> missing;
  for (std::uint32_t id = 0; id < ComponentTypeCount; ++id)
  {
    if (registered.count(ComponentList::NameOf(id)) == 0)
      missing.push_back(id);
  }
  return missing;
}
