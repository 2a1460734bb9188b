#include "physics/RayCastTest.h"

#include "core/EventManager.h"
#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/Members.h"
#include "object/Transform.h"
#include "physics/PhysicsModule.h"

#include <cmath>

void RayCastTest::OnAwake()
{
  GameObject* object = GetGameObject();
  if (object == nullptr)
    return;
  if (PhysicsModule::Of(object->GetSpace()) != nullptr)
    SubscribeOnSpace<UpdateEvent>(this);
}

void RayCastTest::GetMembers(std::vector<MemberBase*>& members)
{
  Members::AddMember(members, "dir", &dir, RenderVec2, glm::vec2(1.0f, 0.0f));
}

void RayCastTest::On(UpdateEvent*)
{
  GameObject* object = GetGameObject();
  if (object == nullptr)
    return;
  PhysicsModule* module = PhysicsModule::Of(object->GetSpace());
  Transform* transform = object->GetTransform();
  if (module == nullptr || transform == nullptr)
    return;
  const glm::vec2 origin = transform->GetWorldPosition();
  const auto group = static_cast<std::uint32_t>(CollisionGroup::PROJECTILE);
  RayCastResult result;
  module->RayCast(origin, {0.0f, -1.0f}, RayLength, group, true, result, false);
  for (int index = 0; index < FanRayCount; ++index)
  {
    const float angle = static_cast<float>(index) * 0.0418879f;
    module->RayCast(origin, {std::cos(angle), std::sin(angle)}, RayLength, group, true, result, false);
  }
}
