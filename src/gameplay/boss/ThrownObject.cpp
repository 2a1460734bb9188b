#include "gameplay/boss/ThrownObject.h"

#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/Members.h"
#include "object/Removal.h"
#include "object/Space.h"
#include "object/Spawning.h"
#include "object/Transform.h"
#include "physics/PhysicsDebugDraw.h"
#include "physics/PhysicsModule.h"

#include <glm/geometric.hpp>

void ThrownObject::GetMembers(std::vector<MemberBase*>& members)
{
  Members::AddMember(members, "prefabToMake", &prefabToMake, RenderPrefabName, std::string());
  Members::AddMember(members, "target", &target, RenderVec2, glm::vec2(0.0f, 0.0f));
  Members::AddMember(members, "distanceFromTarget", &distanceFromTarget, RenderFloat, 0.0f);
}

void ThrownObject::OnAwake()
{
  LetSpaceDestroyOwner();
  SubscribeOnSpace<UpdateEvent>(this);
}

void ThrownObject::On(UpdateEvent*)
{
  GameObject* object = GetGameObject();
  Transform* transform = object != nullptr ? object->GetTransform() : nullptr;
  if (landed || transform == nullptr)
    return;
  PhysicsModule* physics = PhysicsModule::Of(object->GetSpace());
  if (PhysicsDebugDraw* drawer = physics != nullptr ? physics->GetDebugDraw() : nullptr)
    drawer->DrawCircle(target, TargetMarkSize, fColor(0.5f, 0.5f, 0.5f, 1.0f));
  if (!(distanceFromTarget > glm::distance(transform->GetPosition(), target)))
    return;
  landed = true;
  // An unknown prefab is reported once by SpawnAt; the throw still ends.
  if (!prefabToMake.empty())
    SpawnAt(prefabToMake, object->GetSpace(), transform->GetWorldPosition(), LandedName);
  QueueRemoval(GetOwner());
}
