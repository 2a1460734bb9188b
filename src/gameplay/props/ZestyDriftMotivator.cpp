#include "gameplay/props/ZestyDriftMotivator.h"

#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/Members.h"
#include "object/Transform.h"

void ZestyDriftMotivator::OnAwake()
{
  SubscribeOnSpace<UpdateEvent>(this);
}

void ZestyDriftMotivator::GetMembers(std::vector<MemberBase*>& members)
{
  Members::AddMember(members, "displacement", &displacement, RenderVec2, glm::vec2(700.0f, 100.0f));
}

void ZestyDriftMotivator::On(UpdateEvent* event)
{
  GameObject* object = GetGameObject();
  if (Transform* transform = object != nullptr ? object->GetTransform() : nullptr)
    transform->TranslateWorld(displacement * event->dt);
}
