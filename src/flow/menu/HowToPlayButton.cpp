#include "flow/menu/HowToPlayButton.h"

#include "core/Send.h"
#include "flow/FlowEvents.h"
#include "flow/level/LevelSpaces.h"
#include "flow/menu/OpenMenu.h"
#include "gameplay/LevelEvents.h"
#include "input/DetectorEvents.h"
#include "object/Members.h"
#include "object/Space.h"
#include "object/SpaceNames.h"

void HowToPlayButton::OnAwake()
{
  SubscribeOnOwner<DetectorTriggerEndEvent>(this);
}

void HowToPlayButton::GetMembers(std::vector<MemberBase*>& members)
{
  Members::AddMember(members, "space", &space, RenderString, std::string(SpaceNames::MenuSpace1));
  Members::AddMember(members, "target", &target, RenderString, std::string("how_to_play"));
}

void HowToPlayButton::On(DetectorTriggerEndEvent*)
{
  if (target != "tutorial" && target != "credits")
  {
    OpenMenu(*this, space, target, true);
    return;
  }
  Space* own = GetSpace();
  if (own == nullptr || !LevelExists(target, "HowToPlayButton"))
    return;
  own->Hide();
  own->SetPaused(true);
  Queue<StartUtilityEvent>(BRINDLE_SITE, LevelTransitionChannel, target);
}
