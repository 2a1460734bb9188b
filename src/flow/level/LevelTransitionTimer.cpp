#include "flow/level/LevelTransitionTimer.h"

#include "core/Send.h"
#include "flow/FlowEvents.h"
#include "flow/level/LevelSpaces.h"
#include "gameplay/LevelEvents.h"
#include "object/FrameEvents.h"
#include "object/Members.h"
#include "object/Space.h"

void LevelTransitionTimer::OnAwake()
{
  SubscribeOnSpace<UpdateEvent>(this);
}

void LevelTransitionTimer::GetMembers(std::vector<MemberBase*>& members)
{
  Members::AddMember(members, "timer", &timer, RenderFloat, 6.0f);
  Members::AddMember(members, "transitionTime", &transitionTime, RenderFloat, 6.0f);
  Members::AddMember(members, "nextLevel", &nextLevel, RenderString, std::string());
}

void LevelTransitionTimer::On(UpdateEvent* event)
{
  // Not above zero: fired already (a NaN never counts down either).
  if (!(timer > 0.0f))
    return;
  timer -= event->dt;
  if (timer > 0.0f)
    return;
  if (!LevelExists(nextLevel, "LevelTransitionTimer"))
    return;
  Queue<StartUtilityEvent>(BRINDLE_SITE, LevelTransitionChannel, nextLevel);
  if (Space* space = GetSpace())
    space->MarkForRemoval();
}
