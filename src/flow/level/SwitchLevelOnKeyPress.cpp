#include "flow/level/SwitchLevelOnKeyPress.h"

#include "audio/SoundEvents.h"
#include "core/Send.h"
#include "flow/FlowEvents.h"
#include "flow/level/LevelSpaces.h"
#include "gameplay/LevelEvents.h"
#include "input/InputActionMap.h"
#include "object/FrameEvents.h"
#include "object/Members.h"
#include "object/Space.h"

void SwitchLevelOnKeyPress::OnAwake()
{
  SubscribeOnSpace<UpdateEvent>(this);
  delayLeft = inputDelay;
}

void SwitchLevelOnKeyPress::GetMembers(std::vector<MemberBase*>& members)
{
  Members::AddMember(members, "nextLevel", &nextLevel, RenderString, std::string());
  Members::AddMember(members, "musicChange", &musicChange, RenderString, std::string());
}

void SwitchLevelOnKeyPress::On(UpdateEvent* event)
{
  if (delayLeft > 0.0f)
    delayLeft -= event->dt;
  if (delayLeft > 0.0f)
    return;
  InputActionMap* actions = InputActionMap::Instance();
  if (actions == nullptr ||
      !(actions->IsActionActive(0, ACTION_ANY_KEYBOARD_MOUSE) || actions->IsActionActive(0, ACTION_ANY_CONTROLLER)))
    return;
  // A level that cannot be shown leaves this one running.
  if (!LevelExists(nextLevel, "SwitchLevelOnKeyPress"))
    return;
  Queue<StartUtilityEvent>(BRINDLE_SITE, LevelTransitionChannel, nextLevel);
  SendNow<FadeInto>(BRINDLE_SITE, SoundSystemChannel, musicChange);
  if (Space* space = GetSpace())
    space->MarkForRemoval();
}
