#include "flow/Detector.h"

#include "flow/Post.h"
#include "input/DetectorEvents.h"
#include "object/FrameEvents.h"
#include "object/GameObject.h"

void Detector::OnAwake()
{
  SubscribeOnSpace<UpdateEvent>(this);
}

void Detector::On(UpdateEvent*)
{
  if (kind == Kind::HoverAndTrigger)
  {
    UpdateHovered();
    UpdateTriggered(true);
  }
  else
    UpdateTriggered(false);
}

template <typename E>
void Detector::QueueToOwner()
{
  if (const GameObject* object = GetGameObject())
    PostQueued<E>(BRINDLE_SITE, object->GetId());
}

void Detector::UpdateHovered()
{
  const bool now = forcedHover || CheckHovered();
  if (!hovered)
  {
    if (now)
    {
      hovered = true;
      QueueToOwner<DetectorHoverBeginEvent>();
    }
  }
  else if (now)
    QueueToOwner<DetectorHoverPersistedEvent>();
  else
  {
    hovered = false;
    QueueToOwner<DetectorHoverEndEvent>();
  }
}

void Detector::UpdateTriggered(bool requireHover)
{
  if (requireHover && !hovered)
  {
    triggered = false;
    return;
  }
  const bool now = CheckTriggered();
  if (!triggered)
  {
    if (now)
    {
      triggered = true;
      QueueToOwner<DetectorTriggerBeginEvent>();
    }
  }
  else if (now)
    QueueToOwner<DetectorTriggerPersistedEvent>();
  else
  {
    triggered = false;
    QueueToOwner<DetectorTriggerEndEvent>();
  }
}
