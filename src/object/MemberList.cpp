#include "object/MemberList.h"

#include "object/Component.h"

MemberList::MemberList(Component& component)
{
  component.GetMembers(members);
}
