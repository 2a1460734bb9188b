#include "flow/menu/AutoPlayButton.h"

#include "flow/menu/OpenMenu.h"
#include "input/DetectorEvents.h"
#include "object/SpaceNames.h"

void AutoPlayButton::OnAwake()
{
  SubscribeOnOwner<DetectorTriggerEndEvent>(this);
}

void AutoPlayButton::On(DetectorTriggerEndEvent*)
{
  OpenMenu(*this, SpaceNames::Encounter, "auto_play", true);
}
