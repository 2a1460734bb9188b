#include "flow/level/CommsStationsControls.h"

#include "core/Send.h"
#include "flow/hud/EncounterTimer.h"
#include "flow/hud/HudText.h"
#include "gameplay/player/PlayerEvents.h"
#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/NamedObjects.h"
#include "object/ObjectEvents.h"
#include "object/Space.h"
#include "object/SpaceDirectory.h"
#include "object/SpaceLookup.h"

namespace
{
constexpr const char* TimerName = "HUD_Timer";
}

void CommStationsControls::OnAwake()
{
  SubscribeOnOwner<InteractionEvent>(this);
  timerObject = FindHudObject(ShowHudSpace(), TimerName, "comm station");
  EncounterTimer* timer = timerObject ? timerObject->GetComponent<EncounterTimer>() : nullptr;
  EventManager* events = EventManager::Instance();
  if (timer == nullptr || events == nullptr || GetSpace() == nullptr)
    return;
  timer->Activate();
  events->Subscribe<EncounterTimer, UpdateEvent>(timer, GetSpace()->GetId());
  events->Subscribe<Space, GameObjectDestroyedEvent>(timerObject->GetSpace(), timerObject->GetId());
}

void CommStationsControls::On(InteractionEvent*)
{
  const Handle<GameObject> found = FindNamedObject(HudSpace(), TimerName);
  if (EncounterTimer* timer = found ? found->GetComponent<EncounterTimer>() : nullptr)
    timer->ToggleRate();
}

void CommStationsControls::OnDestroy()
{
  if (!timerObject)
    return;
  Queue<GameObjectDestroyedEvent>(BRINDLE_SITE, timerObject->GetId(), timerObject);
}
