#include "flow/level/LoadEndScreen.h"

#include "flow/FlowEvents.h"
#include "flow/Post.h"
#include "gameplay/GameplayEvents.h"

void LoadEndScreen::OnAwake()
{
  SubscribeOnOwner<InteractionEvent>(this);
}

void LoadEndScreen::On(InteractionEvent*)
{
  PostNow<StartUtilityEvent>(BRINDLE_SITE, LevelTransitionChannel, "endscreen");
}
