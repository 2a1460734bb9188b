#include "flow/level/LoadMainZone.h"

#include "flow/FlowEvents.h"
#include "flow/Post.h"
#include "gameplay/GameplayEvents.h"
#include "object/Space.h"

void LoadMainZone::OnAwake()
{
  SubscribeOnOwner<InteractionEvent>(this);
}

void LoadMainZone::On(InteractionEvent*)
{
  if (const Space* space = GetSpace())
    PostNow<CorvaExitEvent>(BRINDLE_SITE, space->GetId());
}
