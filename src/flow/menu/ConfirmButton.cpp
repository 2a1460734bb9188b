#include "flow/menu/ConfirmButton.h"

#include "flow/FlowHost.h"
#include "input/DetectorEvents.h"

void ConfirmButton::OnAwake()
{
  SubscribeOnOwner<DetectorTriggerEndEvent>(this);
}

void ConfirmButton::On(DetectorTriggerEndEvent*)
{
  if (FlowHost* host = FlowHost::Instance())
    host->EndGame();
}
