#pragma once
// Makes components of one type without the caller knowing the type. The game-object factory
// holds one per built component type, filed under the type's name.
#include "core/MemoryManager.h"
#include "object/Component.h"

#include <string>

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

// Copies go through T's copy assignment, which copies T's own fields; the Component part stays
// the new component's. For the types that copy nothing, nothing is assigned at all.
template <typename T>
class DerivedComponentFactory final : public ComponentFactory
{
public:
  Component* GetNew() override { return MemoryManager::New<T>(Site(GetNewName(), __LINE__)); }

  Component* GetCopy(const Component* source) override
  {
    T* copy = MemoryManager::New<T>(Site(GetCopyName(), __LINE__));
    if (copy != nullptr && !ComponentList::CopiesNothing(T::TypeId))
      *copy = static_cast<const T&>(*source);
    return copy;
  }

  void Copy(const Component* source, Component* destination) override
  {
    if (!ComponentList::CopiesNothing(T::TypeId))
      static_cast<T&>(*destination) = static_cast<const T&>(*source);
  }

  std::uint32_t GetTypeId() const override { return T::TypeId; }

private:
  // Allocation records name the class: "DerivedComponentFactory<class Transform>::GetNew". The
  // texts must outlive every record, so they are made once and never freed.
  static SiteTag Site(const char* function, int line) { return SiteTag{function, __FILE__, line}; }

  static const char* GetNewName()
  {
    static const std::string* const name = new std::string(NameOf("GetNew"));
    return name->c_str();
  }

  static const char* GetCopyName()
  {
    static const std::string* const name = new std::string(NameOf("GetCopy"));
    return name->c_str();
  }

  static std::string NameOf(const char* operation)
  {
    return std::string("DerivedComponentFactory<class ") + ComponentList::NameOf(T::TypeId) + ">::" + operation;
  }
};
