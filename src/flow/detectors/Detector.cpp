#include "flow/detectors/Detector.h"

#include "core/Send.h"
#include "flow/detectors/ClickDetector.h"
#include "flow/menu/MenuInputDetector.h"
#include "input/DetectorEvents.h"
#include "object/FrameEvents.h"
#include "object/GameObject.h"

void Detector::OnAwake()
{
  SubscribeOnSpace<UpdateEvent>(this);
}

void Detector::On(UpdateEvent*)
{
  if (waitingForRelease && !IsInputHeld())
    waitingForRelease = false;
  if (kind == Kind::HoverAndTrigger)
  {
    UpdateHovered();
    UpdateTriggered(true);
  }
  else
    UpdateTriggered(false);
}

template <typename Begin, typename Persisted, typename End>
void Detector::Edge(bool& flag, bool now)
{
  const GameObject* object = GetGameObject();
  if (object == nullptr || (!flag && !now))
    return;
  if (!flag)
    Queue<Begin>(BRINDLE_SITE, object->GetId());
  else if (now)
    Queue<Persisted>(BRINDLE_SITE, object->GetId());
  else
    Queue<End>(BRINDLE_SITE, object->GetId());
  flag = now;
}

void Detector::UpdateHovered()
{
  Edge<DetectorHoverBeginEvent, DetectorHoverPersistedEvent, DetectorHoverEndEvent>(hovered,
                                                                                   forcedHover || CheckHovered());
}

void Detector::UpdateTriggered(bool requireHover)
{
  if (requireHover && !hovered)
  {
    triggered = false;
    return;
  }
  Edge<DetectorTriggerBeginEvent, DetectorTriggerPersistedEvent, DetectorTriggerEndEvent>(triggered, CheckTriggered());
}

bool ShowsHover(const GameObject& object)
{
  if (const MenuInputDetector* menu = object.GetComponent<MenuInputDetector>())
    return menu->IsHovered();
  const ClickDetector* click = object.GetComponent<ClickDetector>();
  return click != nullptr && click->IsHovered();
}
