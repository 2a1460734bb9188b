#include "flow/menu/PauseButton.h"

#include "flow/menu/OpenMenu.h"
#include "input/DetectorEvents.h"
#include "object/Members.h"
#include "object/SpaceNames.h"

void PauseButton::OnAwake()
{
  SubscribeOnOwner<DetectorTriggerEndEvent>(this);
}

void PauseButton::GetMembers(std::vector<MemberBase*>& members)
{
  Members::AddMember(members, "target", &target, RenderString, std::string("pause_menu"));
}

void PauseButton::On(DetectorTriggerEndEvent*)
{
  OpenMenu(*this, SpaceNames::MenuSpace0, target, false);
}
