#include "flow/menu/QuitButton.h"

#include "flow/menu/OpenMenu.h"
#include "input/DetectorEvents.h"
#include "object/SpaceNames.h"

void QuitButton::OnAwake()
{
  SubscribeOnOwner<DetectorTriggerEndEvent>(this);
}

void QuitButton::On(DetectorTriggerEndEvent*)
{
  OpenMenu(*this, SpaceNames::MenuSpace1, "quit_confirmation", false);
}
