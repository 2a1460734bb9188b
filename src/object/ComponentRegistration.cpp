#include "object/ComponentRegistration.h"

#include "platform/Assert.h"

void AddComponentFactory(ComponentFactoryMap& factories, const std::string& className, ComponentFactory* factory)
{
  const std::uint32_t typeId = factory->GetTypeId();
  // A class whose type constant points at another row would be filed under the wrong name.
  if (ComponentList::NameOf(typeId) != className)
  {
    BRINDLE_CHECK(false, "Component: " + className + " has the type constant of \"" + ComponentList::NameOf(typeId) +
                             "\"");
    delete factory;
    return;
  }
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
