#include "flow/menu/ButtonMainMenu.h"

#include "core/Send.h"
#include "flow/FlowEvents.h"
#include "flow/level/LevelSpaces.h"
#include "gameplay/LevelEvents.h"
#include "input/DetectorEvents.h"
#include "object/Members.h"
#include "object/Registry.h"

void ButtonMainMenu::OnAwake()
{
  SubscribeOnOwner<DetectorTriggerEndEvent>(this);
}

void ButtonMainMenu::GetMembers(std::vector<MemberBase*>& members)
{
  Members::AddMember(members, "target", &target, RenderString, std::string("introlevel"));
}

void ButtonMainMenu::On(DetectorTriggerEndEvent*)
{
  if (!LevelExists(target, "ButtonMainMenu"))
    return;
  if (Registry* registry = Registry::Instance())
    registry->GetDataBoard().GetCollectedItems().clear();
  Queue<StartUtilityEvent>(BRINDLE_SITE, LevelTransitionChannel, target);
}
