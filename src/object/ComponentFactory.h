#pragma once
// Makes components of one type without the caller knowing the type. The game-object factory
// holds one per built component type, filed under the type's name.
#include "core/MemoryManager.h"
#include "object/Component.h"

class ComponentFactory
{
public:
  // Factories are deleted through this base by their owner, so the destructor is virtual.
  virtual ~ComponentFactory() = default;

  // A new default-constructed component, owned by the caller, attached to nothing.
  virtual Component* GetNew() = 0;
  // A new component with the source's own fields (the Component part stays the new one's).
  virtual Component* GetCopy(const Component* source) = 0;
  // Overwrites the destination's own fields with the source's; both are of the factory's type.
  virtual void Copy(const Component* source, Component* destination) = 0;
  // The type id of the components this factory makes.
  virtual std::uint32_t GetTypeId() const = 0;
};

template <typename T>
class DerivedComponentFactory final : public ComponentFactory
{
public:
  Component* GetNew() override { return MemoryManager::New<T>(BRINDLE_SITE); }

  Component* GetCopy(const Component* source) override
  {
    T* copy = MemoryManager::New<T>(BRINDLE_SITE);
    if (copy != nullptr)
      *copy = static_cast<const T&>(*source);
    return copy;
  }

  void Copy(const Component* source, Component* destination) override
  {
    static_cast<T&>(*destination) = static_cast<const T&>(*source);
  }

  std::uint32_t GetTypeId() const override { return T::TypeId; }
};
