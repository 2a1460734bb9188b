#include "gameplay/score/ScoreBoard.h"

#include "object/Members.h"

void ScoreBoard::GetMembers(std::vector<MemberBase*>& members)
{
  Members::AddMember(members, "score", &score, RenderInt, 0);
}
