#include "gameplay/combat/Damage.h"

#include "object/Members.h"

void Damage::GetMembers(std::vector<MemberBase*>& members)
{
  Members::AddMember(members, "damage", &damage, RenderFloat, 0.0f);
}
