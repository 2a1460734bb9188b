#include "object/Members.h"

void Members::Clear(std::vector<MemberBase*>& members)
{
  for (MemberBase* member : members)
    MemoryManager::Delete(member);
  std::vector<MemberBase*>().swap(members);
}

MemberBase* Members::Find(const std::vector<MemberBase*>& members, const std::string& name)
{
  for (MemberBase* member : members)
  {
    if (member->GetName() == name)
      return member;
  }
  return nullptr;
}
