#pragma once
// A component's members for the length of a scope, freed however the scope ends: a save that fails
// half-way through a component leaves nothing behind.
#include "object/Members.h"

#include <string>
#include <vector>

class Component;

class MemberList
{
public:
  explicit MemberList(Component& component);
  ~MemberList() { Members::Clear(members); }
  MemberList(const MemberList&) = delete;
  MemberList& operator=(const MemberList&) = delete;

  // The first member of that name, or null.
  MemberBase* operator[](const std::string& name) const { return Members::Find(members, name); }
  std::vector<MemberBase*>& Get() { return members; }

private:
  std::vector<MemberBase*> members;
};
