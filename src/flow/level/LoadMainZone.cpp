#include "flow/level/LoadMainZone.h"

#include "core/Send.h"
#include "flow/FlowEvents.h"
#include "gameplay/player/PlayerEvents.h"
#include "object/Space.h"

void LoadMainZone::OnAwake()
{
  SubscribeOnOwner<InteractionEvent>(this);
}

void LoadMainZone::On(InteractionEvent*)
{
  if (const Space* space = GetSpace())
    SendNow<CorvaExitEvent>(BRINDLE_SITE, space->GetId());
}
