#include "flow/menu/MenuInputDetector.h"

#include "core/Send.h"
#include "flow/FlowEvents.h"
#include "input/InputActionMap.h"
#include "object/GameObject.h"
#include "object/Members.h"
#include "object/Space.h"

#include <algorithm>
#include <iterator>

void MenuInputDetector::GetMembers(std::vector<MemberBase*>& members)
{
  Members::AddMember(members, "menu", &menu, RenderString, std::string());
  Members::AddMember(members, "transitions", &transitions, RenderDirectionNames,
                     std::array<std::string, 4>{});
}

void MenuInputDetector::OnAwake()
{
  Detector::OnAwake();
  Space* space = GetSpace();
  if (space == nullptr)
    return;
  // Every object of the level exists before the first of them wakes, so any may be named. A name
  // that is not found ends the search: the later directions keep no neighbour.
  for (int direction = 0; direction < MENU_DIRECTION_COUNT; ++direction)
  {
    neighbours[direction].Reset();
    const std::string& name = transitions[direction];
    if (name.empty())
      continue;
    const auto found = space->FindObjectByName(name);
    if (found == space->ObjectsEnd() || !found->second.IsValid())
      break;
    neighbours[direction] = found->second;
  }
  Queue<RegisterMenuInputDetectorEvent>(BRINDLE_SITE, space->GetId(), this);
}

namespace
{
constexpr int DirectionActions[MENU_DIRECTION_COUNT] = {ACTION_MENU_UP, ACTION_MENU_RIGHT, ACTION_MENU_DOWN,
                                                       ACTION_MENU_LEFT};
}

bool MenuInputDetector::CheckTriggered()
{
  InputActionMap* actions = InputActionMap::Instance();
  return !IsWaitingForRelease() && actions != nullptr && actions->IsActionActive(0, ACTION_MENU_SELECT);
}

bool MenuInputDetector::IsDirectionPressed(MenuDirection direction) const
{
  InputActionMap* actions = InputActionMap::Instance();
  if (IsWaitingForRelease() || actions == nullptr || direction < 0 || direction >= MENU_DIRECTION_COUNT)
    return false;
  return actions->IsActionActive(0, DirectionActions[direction]);
}

bool MenuInputDetector::IsInputHeld()
{
  InputActionMap* actions = InputActionMap::Instance();
  if (actions == nullptr)
    return false;
  return actions->IsActionHeld(0, ACTION_MENU_SELECT) ||
         std::any_of(std::begin(DirectionActions), std::end(DirectionActions),
                     [actions](int action) { return actions->IsActionHeld(0, action); });
}
