#include "flow/menu/ButtonStartGame.h"

#include "core/Send.h"
#include "flow/FlowEvents.h"
#include "flow/level/LevelSpaces.h"
#include "gameplay/LevelEvents.h"
#include "input/DetectorEvents.h"
#include "object/Space.h"

void ButtonStartGame::OnAwake()
{
  SubscribeOnOwner<DetectorTriggerEndEvent>(this);
}

void ButtonStartGame::On(DetectorTriggerEndEvent*)
{
  // Without an overworld to start, the menu stays as it is.
  if (!LevelExists("overworld", "ButtonStartGame"))
    return;
  if (Space* own = GetSpace())
  {
    own->Hide();
    own->SetPaused(true);
  }
  SendNow<StartOverworldEvent>(BRINDLE_SITE, LevelTransitionChannel);
}
