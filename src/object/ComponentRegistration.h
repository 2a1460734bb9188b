#pragma once
// The component classes that exist, and a factory for each. A type of the component type table
// becomes creatable by name once its class is listed in ComponentRegistration.cpp.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

class ComponentFactory;

using ComponentFactoryMap = std::map<std::string, ComponentFactory*>;

// Adds one heap-allocated factory per built component type, in type-id order, under its
// type-table name. The caller owns the factories.
void RegisterComponentFactories(ComponentFactoryMap& factories);

// The type ids of the table that have no class yet, ascending.
std::vector<std::uint32_t> ComponentTypesWithoutClass();
