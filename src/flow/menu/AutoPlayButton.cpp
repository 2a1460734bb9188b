#include "flow/menu/AutoPlayButton.h"

#include "flow/menu/OpenMenu.h"
#include "input/DetectorEvents.h"

void AutoPlayButton::OnAwake()
{
  SubscribeOnOwner<DetectorTriggerEndEvent>(this);
}

void AutoPlayButton::On(DetectorTriggerEndEvent*)
{
  OpenMenu(*this, "Encounter", "auto_play", true);
}
