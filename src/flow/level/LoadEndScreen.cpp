#include "flow/level/LoadEndScreen.h"

#include "core/Send.h"
#include "flow/FlowEvents.h"
#include "gameplay/LevelEvents.h"
#include "gameplay/player/PlayerEvents.h"

void LoadEndScreen::OnAwake()
{
  SubscribeOnOwner<InteractionEvent>(this);
}

void LoadEndScreen::On(InteractionEvent*)
{
  SendNow<StartUtilityEvent>(BRINDLE_SITE, LevelTransitionChannel, "endscreen");
}
