#include "flow/actions/MoveTo.h"

#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/Members.h"
#include "object/Space.h"
#include "object/Transform.h"

void MoveTo::OnAwake()
{
  if (GameObject* owner = GetGameObject())
    start = owner->GetTransform()->GetWorldPosition();
  SubscribeOnSpace<UpdateEvent>(this);
}

void MoveTo::GetMembers(std::vector<MemberBase*>& members)
{
  Members::AddMember(members, "target position", &targetPosition, RenderVec2, glm::vec2(-1.0f, -1.0f));
  Members::AddMember(members, "delay", &delay, RenderFloat, 0.0f);
  Members::AddMember(members, "travelTime", &travelTime, RenderFloat, 3.0f);
}

void MoveTo::On(UpdateEvent* event)
{
  delay -= event->dt;
  GameObject* owner = GetGameObject();
  if (delay >= 0.0f || owner == nullptr)
    return;
  if (travelTime <= 0.0f)
  {
    owner->GetTransform()->SetWorldPosition(targetPosition.x, targetPosition.y);
    return;
  }
  const float t = -delay / travelTime;
  const glm::vec2 at = start + (targetPosition - start) * t;
  owner->GetTransform()->SetWorldPosition(at.x, at.y);
}
