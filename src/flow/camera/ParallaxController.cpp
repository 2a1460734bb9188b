#include "flow/camera/ParallaxController.h"

#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/Members.h"
#include "object/NamedObjects.h"
#include "object/Space.h"
#include "object/Transform.h"

void ParallaxController::OnAwake()
{
  SubscribeOnSpace<UpdateEvent>(this);
  if (GameObject* owner = GetGameObject())
    anchor = owner->GetTransform()->GetPosition();
}

void ParallaxController::GetMembers(std::vector<MemberBase*>& members)
{
  Members::AddMember(members, "target", &target, RenderString, std::string());
  Members::AddMember(members, "mutliplier", &multiplier, RenderFloat, 0.5f);
}

void ParallaxController::On(UpdateEvent*)
{
  const Handle<GameObject> followed = FindNamedObject(GetSpace(), target);
  GameObject* owner = GetGameObject();
  if (!followed || owner == nullptr)
    return;
  owner->GetTransform()->SetPosition(anchor + multiplier * (followed->GetTransform()->GetPosition() - anchor));
}
