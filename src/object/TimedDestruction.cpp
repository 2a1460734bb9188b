#include "object/TimedDestruction.h"

#include "core/Send.h"
#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/Members.h"
#include "object/ObjectEvents.h"
#include "object/Space.h"

TimedDestruction::TimedDestruction() : Component(TypeId) {}

TimedDestruction::~TimedDestruction() = default;

void TimedDestruction::OnAwake()
{
  elapsed = 0.0f;
  if (SubscribeOnSpace<UpdateEvent>(this))
    LetSpaceDestroyOwner();
}

void TimedDestruction::GetMembers(std::vector<MemberBase*>& members)
{
  Members::AddMember(members, "active", &active, RenderBool, false);
  Members::AddMember(members, "destructionTime", &destructionTime, RenderFloat, 0.0f);
}

void TimedDestruction::On(UpdateEvent* event)
{
  if (!active)
    return;
  elapsed += event->dt;
  if (elapsed < destructionTime)
    return;
  GameObject* object = GetGameObject();
  if (object == nullptr)
    return;
  Queue<GameObjectDestroyedEvent>(BRINDLE_SITE, object->GetId(), GetOwner());
  Queue<ExplosionEvent>(BRINDLE_SITE, object->GetId());
}
