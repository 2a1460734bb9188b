#include "flow/QuitButton.h"

#include "flow/OpenMenu.h"
#include "input/DetectorEvents.h"

void QuitButton::OnAwake()
{
  SubscribeOnOwner<DetectorTriggerEndEvent>(this);
}

void QuitButton::On(DetectorTriggerEndEvent*)
{
  OpenMenu(*this, "MenuSpace1", "quit_confirmation", false);
}
