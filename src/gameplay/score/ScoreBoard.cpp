#include "gameplay/score/ScoreBoard.h"

#include "object/GameObject.h"
#include "object/Members.h"
#include "object/Space.h"
#include "object/SpaceDirectory.h"
#include "object/SpaceNames.h"

ScoreBoard* ScoreBoard::Find()
{
  SpaceDirectory* directory = SpaceDirectory::Instance();
  Space* admin = directory != nullptr ? directory->GetSpace(SpaceNames::Admin) : nullptr;
  const Handle<GameObject> keeper = admin != nullptr ? admin->GetObjectNamed("LTM") : Handle<GameObject>();
  return keeper ? keeper->GetComponent<ScoreBoard>() : nullptr;
}

void ScoreBoard::GetMembers(std::vector<MemberBase*>& members)
{
  Members::AddMember(members, "score", &score, RenderInt, 0);
}
