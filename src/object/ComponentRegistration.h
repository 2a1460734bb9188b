#pragma once
// Making a component type creatable by name.
//
// To add a component: write the class in its subsystem's folder (with `static constexpr
// std::uint32_t TypeId = COMP_<Name>;`), then add one line to that folder's registration
// function, e.g. in physics/PhysicsComponents.cpp:
//
//   AddComponentFactory<Rigidbody>(factories, "Rigidbody");
//
// Every folder has one such function (RegisterObjectComponents, RegisterPhysicsComponents, ...),
// and app/AllComponents.cpp calls each of them once. The name is the class's row in the
// component type table; a class whose type constant points at another row is reported.
#include "object/ComponentFactory.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

using ComponentFactoryMap = std::map<std::string, ComponentFactory*>;

// Files a new heap-allocated factory for T under its type-table name; the map owns it. A wrong
// type constant or a second registration of the same type is reported and adds nothing.
void AddComponentFactory(ComponentFactoryMap& factories, const std::string& className, ComponentFactory* factory);
template <typename T>
void AddComponentFactory(ComponentFactoryMap& factories, const std::string& className)
{
  AddComponentFactory(factories, className, new DerivedComponentFactory<T>());
}

// The type ids of the table that have no registered factory, ascending.
std::vector<std::uint32_t> ComponentTypesWithoutClass(const ComponentFactoryMap& registered);
