#include "flow/menu/ButtonFullscreen.h"

#include "flow/FlowHost.h"
#include "flow/menu/ButtonToggle.h"
#include "input/DetectorEvents.h"

void ButtonFullscreen::OnAwake()
{
  SubscribeOnOwner<DetectorTriggerEndEvent>(this);
}

void ButtonFullscreen::Synchronize()
{
  const FlowHost* host = FlowHost::Instance();
  QueueToggled(*this, host != nullptr && host->IsWindowFullscreen());
}

void ButtonFullscreen::On(DetectorTriggerEndEvent*)
{
  FlowHost* host = FlowHost::Instance();
  if (host == nullptr)
    return;
  const bool fullscreen = !host->IsWindowFullscreen();
  host->SetWindowFullscreen(fullscreen);
  QueueToggled(*this, fullscreen);
}
