#pragma once
// Making a component type creatable by name.
//
// To add a component: add its row to the table (object/ComponentList.h), write the class in its
// subsystem's folder (with `static constexpr std::uint32_t TypeId = COMP_<Name>;`), then add one
// line to that folder's registration function, e.g. in physics/PhysicsComponents.cpp:
//
//   AddComponentFactory<Rigidbody>(factories);
//
// Every folder has one such function (RegisterObjectComponents, RegisterPhysicsComponents, ...),
// and app/AllComponents.cpp calls each of them once. The factory is filed under the name of the
// class's row in the component type table.
#include "object/ComponentFactory.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

using ComponentFactoryMap = std::map<std::string, ComponentFactory*>;

// Files a new heap-allocated factory under the table name of its type; the map owns it. A type
// off the table, or registered twice (two classes with one type constant), is reported and adds
// nothing.
void AddComponentFactory(ComponentFactoryMap& factories, ComponentFactory* factory);
template <typename T>
void AddComponentFactory(ComponentFactoryMap& factories)
{
  AddComponentFactory(factories, new DerivedComponentFactory<T>());
}

// The type ids of the table that have no registered factory, ascending.
std::vector<std::uint32_t> ComponentTypesWithoutClass(const ComponentFactoryMap& registered);
