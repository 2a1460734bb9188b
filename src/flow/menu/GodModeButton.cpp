#include "flow/menu/GodModeButton.h"

#include "flow/menu/ButtonToggle.h"
#include "gameplay/combat/GodMode.h"
#include "input/DetectorEvents.h"

void GodModeButton::OnAwake()
{
  SubscribeOnOwner<DetectorTriggerEndEvent>(this);
}

void GodModeButton::Synchronize()
{
  QueueToggled(*this, IsGodModeOn());
}

void GodModeButton::On(DetectorTriggerEndEvent*)
{
  const bool on = !IsGodModeOn();
  SetGodMode(on);
  QueueToggled(*this, on);
}
