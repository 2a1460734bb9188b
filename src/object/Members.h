#pragma once
// Building and freeing the member lists that components hand out from GetMembers.
#include "core/MemoryManager.h"
#include "object/MemberData.h"

#include <string>
#include <vector>

// Keeps a parameter out of template deduction, so a default of 0 fits a float field.
template <typename T>
struct NonDeducedType
{
  using type = T;
};
template <typename T>
using NonDeduced = typename NonDeducedType<T>::type;

class Members
{
public:
  // Appends a member for `field`, registered under `name` with its declared default. The list's
  // order is the inspector's order and the order in which files are written. A null widget shows
  // "Data not rendered.".
  template <typename T>
  static void AddMember(std::vector<MemberBase*>& members, std::string name, T* field,
                        NonDeduced<MemberWidget<T>> widget, NonDeduced<T> declaredDefault, bool serialized = true,
                        bool displayed = true)
  {
    members.push_back(MemoryManager::New<MemberData<T>>(BRINDLE_SITE, std::move(name), field, widget,
                                                        std::move(declaredDefault), serialized, displayed));
  }

  // Deletes every member in list order and leaves the list empty, its storage freed.
  static void Clear(std::vector<MemberBase*>& members);

  // The first member named `name` exactly, or null.
  static MemberBase* Find(const std::vector<MemberBase*>& members, const std::string& name);
};
